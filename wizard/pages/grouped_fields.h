// Field helpers of the grouped pages: stored numbers and texts shown over the
// built-in defaults, and the phone, user and password fields that both SMS
// gateway kinds ask for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ui/dialog.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// A port, code or level is read as text of at most this many bytes.
inline constexpr std::size_t kNumberFieldCapacity = 50;

// A stored value replaces the field's default only when there is one.
void showIfStored(ui::Dialog& dialog, int id, std::string_view stored);
void showIfStored(ui::Dialog& dialog, int id, std::int32_t stored);

// PARAM-SMS-HTTP1 and PARAM-SMS-SMTP2: phone number, user and password.
void showGatewayAccount(ui::Dialog& dialog, const AnswerStore& answers);
// Stores each field as it is read; the refusal of the first empty one, or an
// empty view when all are filled.
std::string_view readGatewayAccount(const ui::Dialog& dialog, AnswerStore& answers);

}  // namespace qv::wizard
