// The whole template API: the store with every record view, rule and file function.
#pragma once

#include "template/atx_file.h"
#include "template/barcode_record.h"
#include "template/choice_lists.h"
#include "template/defaults.h"
#include "template/form_record.h"
#include "template/gb_text.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "template/settings_record.h"
#include "template/startup_options.h"
#include "template/store.h"
