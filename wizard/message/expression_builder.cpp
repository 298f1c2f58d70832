#include "wizard/message/expression_builder.h"

#include "platform/base/text.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/message/message_texts.h"
#include "wizard/message/place_markers.h"
#include "wizard/res/dialogs/message_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::builder;

// The clipboard block a marker is copied into.
constexpr std::size_t kClipboardBlock = 100;

struct QuickInsert {
  int button;
  std::string_view marker;
};
constexpr QuickInsert kQuickInserts[] = {
    {id::kTimeLogged, "<$$TIMELOGGED>"},
    {id::kCheckName, "<$$TEST>"},
    {id::kErrorMessage, "<$$ERROR>"},
    {id::kServerName, "<$$SERVER>"},
};

}  // namespace

void insertIntoBuilderText(ui::Dialog& builder, std::string_view marker) {
  builder.ui().setClipboardText(cutToCapacity(marker, kClipboardBlock));
  builder.paste(id::kText);
}

void ExpressionBuilder::onInit(ui::Dialog& dialog) {
  if (!request_.text.empty()) dialog.setText(id::kText, request_.text);
  if (!request_.defaultText.empty()) {
    dialog.setText(id::kDefaultText, request_.defaultText);
    dialog.enable(id::kUseDefault, true);
  }
  dialog.clearItems(id::kCatalogue);
  dialog.addItem(id::kCatalogue, texts::kCataloguePrompt);
  for (const PlaceMarker& entry : placeMarkerCatalogue()) {
    if (isEndEntry(entry)) break;
    dialog.addItem(id::kCatalogue, entry.description);
  }
  dialog.setSelection(id::kCatalogue, 0);
}

void ExpressionBuilder::onCommand(ui::Dialog& dialog, int command) {
  for (const QuickInsert& quick : kQuickInserts) {
    if (command == quick.button) {
      insertIntoBuilderText(dialog, quick.marker);
      return;
    }
  }
  switch (command) {
    case id::kInsert:
      insertFromCatalogue(dialog);
      break;
    case id::kUseDefault:
      useDefaultText(dialog);
      break;
    case id::kOk:
      request_.text = dialog.text(id::kText, kBuilderTextCapacity);
      dialog.end(ui::kIdOk);
      break;
    case id::kCancel:
      // The request keeps the text the caller passed in.
      if (askYesNo(dialog.ui(), texts::kCancelBuilder)) dialog.end(ui::kIdCancel);
      break;
    default:
      break;
  }
}

void ExpressionBuilder::insertFromCatalogue(ui::Dialog& dialog) {
  const int position = dialog.selection(id::kCatalogue);
  if (position < 0) return;
  // Position 0 is the prompt line; position k shows catalogue entry k.
  const auto catalogue = placeMarkerCatalogue();
  const auto index = static_cast<std::size_t>(position);
  if (position == 0 || index > catalogue.size() || isSectionHeading(catalogue[index - 1])) {
    warn(dialog.ui(), texts::kSelectValidMarker);
    return;
  }
  insertIntoBuilderText(dialog, catalogue[index - 1].marker);
}

void ExpressionBuilder::useDefaultText(ui::Dialog& dialog) {
  if (!dialog.text(id::kText, kBuilderTextCapacity).empty() &&
      !askYesNo(dialog.ui(), texts::kOverwriteWithDefault)) {
    return;
  }
  dialog.setText(id::kText, request_.defaultText);
}

}  // namespace qv::wizard
