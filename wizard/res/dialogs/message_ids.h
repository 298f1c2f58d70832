// Control ids of the message page (PARAM-MESSAGE) and the expression builder
// (MSG-BUILDER). None of these controls has an id of its own in the
// resources, so they count up in template order: from 1910 on the page (as
// on every parameter page), from 1900 in the builder. The buttons reuse the
// usual ids: 3 for the first "...", 1 OK, 2 Cancel.
#pragma once

namespace qv::wizard::ids {

namespace message {
inline constexpr int kTitlePrompt = 1910;
inline constexpr int kTitle = 1911;
inline constexpr int kTitleBuilder = 3;
inline constexpr int kTextPrompt = 1912;
inline constexpr int kText = 1913;
inline constexpr int kTextBuilder = 1914;
inline constexpr int kFootnote = 1915;
}  // namespace message

namespace builder {
inline constexpr int kHeaderIcon = 1900;
inline constexpr int kHeader = 1901;
inline constexpr int kHeaderContinued = 1902;
inline constexpr int kNoteIcon = 1903;
inline constexpr int kNote = 1904;
inline constexpr int kFrame = 1905;
inline constexpr int kInstruction = 1906;
inline constexpr int kText = 1907;
inline constexpr int kQuickLabel = 1908;
inline constexpr int kTimeLogged = 1909;
inline constexpr int kCheckName = 1910;
inline constexpr int kErrorMessage = 1911;
inline constexpr int kServerName = 1912;
inline constexpr int kCatalogueLabel = 1913;
inline constexpr int kCatalogue = 1914;
inline constexpr int kInsert = 1915;
inline constexpr int kDefaultLabel = 1916;
inline constexpr int kDefaultText = 1917;
inline constexpr int kUseDefault = 1918;
inline constexpr int kCancel = 2;
inline constexpr int kOk = 1;
}  // namespace builder

}  // namespace qv::wizard::ids
