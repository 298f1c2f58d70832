// What the two server searches share: their fixed list lines, the name and
// status buffers kept as behaviour, and how progress is shown.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/os/server_enumeration.h"
#include "platform/ui/dialog.h"

namespace qv::wizard {

// The two lines a search dialog's list holds that are no server names.
struct SearchLines {
  std::string_view hint;       // before the first search
  std::string_view noServers;  // after a search that found none
};

inline constexpr SearchLines kWindowsServerLines{"Click Search to locate Windows Servers ...",
                                                 "No Windows Servers were found ..."};
inline constexpr SearchLines kSmtpServerLines{"Click Search to locate SMTP Servers ...",
                                              "No Windows SMTP Servers were found ..."};

inline constexpr std::size_t kServerNameCapacity = 16;  // a NetBIOS name and its terminator
inline constexpr std::size_t kSearchStatusCapacity = 115;

inline constexpr std::string_view kSearchComplete = "Search Complete.";

// A server name as its 16-byte buffer holds it.
std::string serverNameText(std::string_view name);

// Sets the status line, cut to its buffer, and paints it at once: the search
// blocks the thread, so nothing else would.
void showSearchStatus(ui::Dialog& dialog, int statusId, std::string_view text);

// "Checking NAME (I of N) ...", with I counting from 1.
void showCheckingStatus(ui::Dialog& dialog, int statusId, std::string_view name, long index,
                        long total);

// Adds a found server to the (sorted) list and paints the list at once.
void addFoundServer(ui::Dialog& dialog, int listId, std::string_view name);

// One search: empties the list, shows `searching`, enumerates the servers in
// one call and, for each in the order delivered, shows it being checked and
// lists it when `accept` takes it. Returns how many were listed; 0 when the
// enumeration failed.
int listServers(ui::Dialog& dialog, int listId, int statusId, os::ServerEnumerator& servers,
                std::string_view searching, const std::function<bool(const std::string&)>& accept);

}  // namespace qv::wizard
