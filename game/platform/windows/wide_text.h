// Windows names files in UTF-16; the game keeps its paths in UTF-8.
#pragma once

#include <string>

std::wstring wideText(const std::string &utf8);
std::string narrowText(const wchar_t *utf16);
