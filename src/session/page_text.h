#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// The browser pages are built into the program as text (see assets/page/)
// with markers such as @SCRIPT@ where their parts go.

struct PagePart {
    std::string_view marker;
    std::string_view text;
};

// `page` with each part's marker replaced by its text (the first occurrence
// of each marker).
std::string FillPage(std::string_view page, std::initializer_list<PagePart> parts);

// Standard base64 (RFC 4648) with padding.
std::string Base64(std::string_view bytes);
