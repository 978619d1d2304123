// The terminal link: placeholder translation unit until the first engine file lands.
