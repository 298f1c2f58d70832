// Texts between the dialog model (bytes, CR LF line breaks, "&" mnemonics)
// and GTK widgets (UTF-8, LF, "_" mnemonics).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv::ui::gtk {

// Valid UTF-8 passes; otherwise every byte is taken as the character of the
// same number, so a Latin-1 text still shows.
std::string toUtf8(std::string_view text);
// "&&" is a literal "&", "&x" marks x as the mnemonic, "_" is literal.
std::string toMnemonic(std::string_view text);
// CR LF (and a lone CR) become LF, and back.
std::string toLf(std::string_view text);
std::string toCrLf(std::string_view text);
// Offsets: bytes of `text` to characters, and characters to bytes.
long charsBefore(std::string_view text, std::size_t bytes);
std::size_t bytesBefore(std::string_view text, long chars);

}  // namespace qv::ui::gtk
