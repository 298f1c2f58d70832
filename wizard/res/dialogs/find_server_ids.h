// Control ids of the server search dialogs FIND_SERVER and FIND_EMAILSERVER,
// which share one layout. OK and Cancel keep the dialog kit's ids; the other
// controls have none of their own and count up from 1901 in template order.
#pragma once

#include "platform/ui/dialog_template.h"

namespace qv::wizard::ids::find_server {

inline constexpr int kIcon = 1901;
inline constexpr int kExplanation = 1902;
inline constexpr int kFrame = 1903;
inline constexpr int kServerList = 1904;
inline constexpr int kSearch = 1905;
inline constexpr int kCancel = ui::kIdCancel;
inline constexpr int kOk = ui::kIdOk;
inline constexpr int kStatus = 1906;

}  // namespace qv::wizard::ids::find_server
