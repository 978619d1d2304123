// The words of the lookup file problems, filled in from the problem's place and numbers.
#include "link/lookup_problems.h"

#include <string_view>

namespace k60::link {
namespace {

using Kind = LookupProblem::Kind;

struct Words {
  Kind kind;
  std::string_view zh;
  std::string_view en;
};

constexpr Words kWords[] = {
    {Kind::NoFields, "索引{lookup}没有字段，不能生成索引文件!", "lookup {lookup} has no fields"},
    {Kind::FieldOutsideMember, "索引{lookup}的字段{field}超出成员长度{limit}!",
     "field {field} of lookup {lookup} reaches past its member length of {limit}"},
    {Kind::SeparatorIsLineEnd, "索引{lookup}的间隔符是换行符，不能生成索引文件!",
     "the separator of lookup {lookup} is a line end"},
    {Kind::ColumnsBeyondFields, "指定的列多于索引{lookup}的{limit}个字段!",
     "--columns names more columns than the {limit} fields of lookup {lookup}"},
    {Kind::LineBreakInQuotes, "CSV文件第{row}行第{column}列: 引号内有换行!",
     "row {row}, column {column}: a line break inside quotes"},
    {Kind::BadQuote, "CSV文件第{row}行第{column}列: 引号不符合CSV格式!",
     "row {row}, column {column}: a quote out of place (a quoted field is \"...\", a quote in it \"\")"},
    {Kind::FieldTooLong, "CSV文件第{row}行第{column}列: 超过字段{field}的长度{limit}字节!",
     "row {row}, column {column}: {actual} bytes, longer than the {limit} of field {field} (--truncate cuts it)"},
    {Kind::NoGbForm, "CSV文件第{row}行第{column}列: 有不能转换成GB2312的字符!",
     "row {row}, column {column}: a character without a GB2312 form"},
    {Kind::SeparatorInField, "CSV文件第{row}行第{column}列: 含有间隔符!",
     "row {row}, column {column}: the lookup's separator character is in the text"},
    {Kind::FieldsDisagree, "CSV文件第{row}行: 字段{field}和字段{other}重叠但内容不同!",
     "row {row}: fields {other} and {field} overlap and their texts differ there"},
    {Kind::RowTooLong, "CSV文件第{row}行: 索引记录超过253字节!",
     "row {row}: the record is {actual} bytes, more than the 253 a transfer carries"},
    {Kind::LineTooLong, "索引文件第{line}行超过253字节，不能下载!",
     "line {line}: {actual} bytes, more than the 253 a transfer carries"},
    {Kind::LineNotGb2312, "索引文件第{line}行不是GB2312文本!", "line {line} is not GB2312 text"},
    {Kind::WrongLength, "索引文件第{line}行长{actual}字节，不是成员长度{limit}!",
     "line {line} is {actual} bytes, not the member length of {limit}"},
    {Kind::SplitsCharacter, "索引文件第{line}行: 字段{field}的边界切开了一个汉字!",
     "line {line}: field {field} begins or ends inside a Chinese character"},
    {Kind::WrongFieldCount, "索引文件第{line}行有{actual}个字段，不是{limit}个!",
     "line {line} has {actual} fields, not {limit}"},
    {Kind::LineFieldTooLong, "索引文件第{line}行: 字段{field}超过长度{limit}字节!",
     "line {line}: field {field} is {actual} bytes, longer than its {limit}"},
};

const Words& wordsOf(Kind kind) {
  for (const Words& w : kWords)
    if (w.kind == kind) return w;
  return kWords[0];
}

std::string filled(std::string_view format, const LookupProblem::Where& at) {
  const struct {
    std::string_view name;
    std::size_t value;
  } names[] = {{"{lookup}", at.lookup}, {"{row}", at.row},     {"{column}", at.column}, {"{line}", at.line},
               {"{field}", at.field},   {"{other}", at.other}, {"{limit}", at.limit},   {"{actual}", at.actual}};
  std::string text(format);
  for (const auto& n : names)
    for (std::size_t p; (p = text.find(n.name)) != std::string::npos;) text.replace(p, n.name.size(), std::to_string(n.value));
  return text;
}

}  // namespace

std::string problemText(const LookupProblem& problem) { return filled(wordsOf(problem.kind).zh, problem.at); }

std::string problemGloss(const LookupProblem& problem) { return filled(wordsOf(problem.kind).en, problem.at); }

std::string problemsText(std::span<const LookupProblem> problems, std::size_t most) {
  std::string text;
  for (std::size_t i = 0; i < problems.size() && i < most; ++i) text += (i ? "\n" : "") + problemText(problems[i]);
  if (problems.size() > most) text += "\n... 共" + std::to_string(problems.size()) + "处";
  return text;
}

}  // namespace k60::link
