#pragma once
// The program's text is Windows-1252, one byte per character, as the games
// count letters and as the files store them. UTF-8 exists only at the edges:
// source literals come in through cp1252(), drawn text goes out through utf8().
#include <string>
#include <string_view>

// Converts UTF-8 to Windows-1252; a character that code page lacks becomes '?'.
std::string cp1252(std::string_view utf8);

// Converts Windows-1252 to UTF-8 (undefined codes 0x81, 0x8D, 0x8F, 0x90,
// 0x9D become U+FFFD).
std::string utf8(std::string_view cp1252_text);

// The same text, with the blanks a line must not break at made non-breaking
// (0xA0), as French typography asks: the blank before ! ? : ; » and before a
// run of closing punctuation (« Bravo !!! », « ... »), and the blank after «.
std::string lier_ponctuation(std::string_view cp1252_text);

// Upper and lower case of one Windows-1252 character (accented letters too).
char majuscule(char c);
char minuscule(char c);

// Equal texts once both are in capitals ("Chat" and "CHAT").
bool egaux_sans_casse(std::string_view a, std::string_view b);
