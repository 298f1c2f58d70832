// Control ids of the file-system pages (PARAM-FILE, PARAM-DIRECTORY,
// PARAM-RUN, PARAM-WAVFILE). The path fields keep the resources' own ids;
// the extra labels and pictures count up from 1910 in template order.
#pragma once

namespace qv::wizard::ids {

// The path field of each page; "..." beside it is kBrowse (3).
inline constexpr int kFilePath = 1030;
inline constexpr int kDirectoryPath = 1055;
inline constexpr int kRunCommand = 1049;
inline constexpr int kWavFilePath = 1026;

// PARAM-FILE and PARAM-DIRECTORY: "Remember that the path entered ...".
inline constexpr int kPathReminder = 1910;

// PARAM-RUN: the note with its icon and the three example lines.
namespace run {
inline constexpr int kNoteIcon = 1910;
inline constexpr int kNote = 1911;
inline constexpr int kExample1 = 1912;
inline constexpr int kExample2 = 1913;
inline constexpr int kExample3 = 1914;
}  // namespace run

}  // namespace qv::wizard::ids
