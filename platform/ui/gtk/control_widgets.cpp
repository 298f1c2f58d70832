// The controls of a dialog window: one GTK widget per control kind, the
// model copied to it, and its signals turned into user input on the model.
#include <algorithm>
#include <cstring>

#include "platform/ui/gtk/art.h"
#include "platform/ui/gtk/dialog_window.h"
#include "platform/ui/gtk/widget_text.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::gtk {
namespace {

bool isMultiLine(const ControlWidget& w) {
  return w.kind == ControlKind::Edit && (w.style & cs::kMultiLine) != 0;
}

GtkTextBuffer* bufferOf(const ControlWidget& w) {
  return gtk_text_view_get_buffer(GTK_TEXT_VIEW(w.inner));
}

std::string widgetText(const ControlWidget& w) {
  if (isMultiLine(w)) {
    GtkTextBuffer* b = bufferOf(w);
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(b, &start, &end);
    gchar* text = gtk_text_buffer_get_text(b, &start, &end, FALSE);
    std::string out = toCrLf(text);
    g_free(text);
    return out;
  }
  GtkWidget* entry = w.entry ? w.entry : w.inner;
  return gtk_entry_get_text(GTK_ENTRY(entry));
}

// Model bytes to widget characters: the model may hold CR LF and bytes that
// are not UTF-8, the widget holds what toUtf8(toLf(...)) made of them.
int widgetOffset(const std::string& model, std::size_t bytes) {
  return static_cast<int>(
      charsBefore(toUtf8(toLf(model.substr(0, std::min(bytes, model.size())))), std::string::npos));
}

}  // namespace

ControlWidget& DialogWindow::create(const ControlState& c, const BaseUnits& units) {
  auto w = std::make_unique<ControlWidget>();
  w->owner = this;
  w->id = c.id();
  w->kind = c.kind();
  w->style = c.tpl->style;
  w->width = units.toPixelsX(c.tpl->w);
  w->height = units.toPixelsY(c.tpl->h);
  switch (c.kind()) {
    case ControlKind::Static: {
      GtkWidget* label = gtk_label_new(nullptr);
      gtk_label_set_xalign(GTK_LABEL(label),
                           c.has(cs::kRight) ? 1.0f : (c.has(cs::kCenter) ? 0.5f : 0.0f));
      gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
      gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
      gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
      // The template's width, not the text's unwrapped length, sizes it.
      gtk_label_set_max_width_chars(GTK_LABEL(label), std::max(1, w->width / units.x));
      if (c.has(cs::kCenter)) gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_CENTER);
      if (c.has(cs::kRight)) gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_RIGHT);
      w->outer = w->inner = label;
      break;
    }
    case ControlKind::Edit:
      if (c.has(cs::kMultiLine)) {
        GtkWidget* view = gtk_text_view_new();
        const bool scrollsSideways = c.has(cs::kHScroll) || c.has(cs::kAutoHScroll);
        gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view),
                                    scrollsSideways ? GTK_WRAP_NONE : GTK_WRAP_WORD_CHAR);
        gtk_text_view_set_editable(GTK_TEXT_VIEW(view), !c.has(cs::kReadOnly));
        gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), 2);
        GtkWidget* scroll = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroll), GTK_SHADOW_IN);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll),
                                       scrollsSideways ? GTK_POLICY_AUTOMATIC : GTK_POLICY_NEVER,
                                       GTK_POLICY_AUTOMATIC);
        gtk_container_add(GTK_CONTAINER(scroll), view);
        w->outer = scroll;
        w->inner = view;
      } else {
        GtkWidget* entry = gtk_entry_new();
        gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
        if (c.has(cs::kPassword)) gtk_entry_set_visibility(GTK_ENTRY(entry), FALSE);
        if (c.has(cs::kReadOnly)) gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
        if (c.has(cs::kNumber))
          gtk_entry_set_input_purpose(GTK_ENTRY(entry), GTK_INPUT_PURPOSE_DIGITS);
        w->outer = w->inner = entry;
      }
      break;
    case ControlKind::Button:
      w->outer = w->inner = gtk_button_new_with_mnemonic("");
      break;
    case ControlKind::Check:
      w->outer = w->inner = gtk_check_button_new_with_mnemonic("");
      if (c.has(cs::kPushLike)) gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(w->inner), FALSE);
      break;
    case ControlKind::Radio: {
      // A group runs from the control that starts one to the next that does;
      // its unplaced extra member stands for "none checked".
      const auto& all = dialog_.controls();
      std::size_t self = 0;
      while (all[self].id() != c.id()) ++self;
      std::size_t first = self;
      while (first > 0 && !all[first].has(cs::kGroup)) --first;
      GtkWidget* none = nullptr;
      for (const auto& other : controls_) {
        for (std::size_t i = first; i < self; ++i) {
          if (all[i].id() == other->id && other->noneRadio) none = other->noneRadio;
        }
      }
      if (!none) {
        none = gtk_radio_button_new(nullptr);
        g_object_ref_sink(none);
        noneRadios_.push_back(none);
      }
      w->noneRadio = none;
      w->outer = w->inner =
          gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(none), "");
      if (c.has(cs::kPushLike)) gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(w->inner), FALSE);
      break;
    }
    case ControlKind::Group:
      w->outer = w->inner = gtk_frame_new(nullptr);
      break;
    case ControlKind::Combo:
      if (c.has(cs::kDropDownEdit)) {
        w->inner = gtk_combo_box_text_new_with_entry();
        w->entry = gtk_bin_get_child(GTK_BIN(w->inner));
        gtk_entry_set_width_chars(GTK_ENTRY(w->entry), 1);
      } else {
        w->inner = gtk_combo_box_text_new();
      }
      // Long entries are cut with an ellipsis in the closed box, so the box
      // keeps its template width instead of growing to its longest entry.
      if (GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(w->inner))) {
        for (GList* cell = cells; cell != nullptr; cell = cell->next) {
          g_object_set(cell->data, "ellipsize", PANGO_ELLIPSIZE_END, "width-chars", 1, nullptr);
        }
        g_list_free(cells);
      }
      w->outer = w->inner;
      // The template's height includes the drop-down list.
      w->height = -1;
      break;
    case ControlKind::List: {
      w->store = gtk_list_store_new(1, G_TYPE_STRING);
      GtkWidget* tree = gtk_tree_view_new_with_model(GTK_TREE_MODEL(w->store));
      gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(tree), FALSE);
      gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(tree), -1, "",
                                                  gtk_cell_renderer_text_new(), "text", 0, nullptr);
      GtkWidget* scroll = gtk_scrolled_window_new(nullptr, nullptr);
      gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroll), GTK_SHADOW_IN);
      gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroll), GTK_POLICY_NEVER,
                                     GTK_POLICY_AUTOMATIC);
      gtk_container_add(GTK_CONTAINER(scroll), tree);
      w->outer = scroll;
      w->inner = tree;
      break;
    }
    case ControlKind::Progress:
      w->outer = w->inner = gtk_progress_bar_new();
      gtk_widget_set_valign(w->inner, GTK_ALIGN_CENTER);
      break;
    case ControlKind::Icon:
    case ControlKind::Bitmap: {
      w->outer = w->inner = gtk_image_new();
      const PictureKind kind =
          c.kind() == ControlKind::Icon ? PictureKind::Icon : PictureKind::Bitmap;
      int pw = 0, ph = 0;
      pictureSize(kind, c.tpl->text, pw, ph);
      // Icons keep their own size, as the window system shows them.
      if (kind == PictureKind::Icon || w->width <= 0 || w->height <= 0 || c.has(cs::kNaturalSize)) {
        // A banner that keeps its own size spans the dialog.
        if (kind == PictureKind::Bitmap && w->width <= 0) {
          pw = units.toPixelsX(dialog_.tpl().w);
        }
        w->width = pw;
        w->height = ph;
      }
      break;
    }
    case ControlKind::WebView:
      w->web = std::make_unique<WebView>(*this, c.id());
      w->outer = w->inner = w->web->widget();
      break;
  }
  gtk_widget_set_size_request(w->outer, w->width, w->height);
  gtk_widget_show_all(w->outer);
  controls_.push_back(std::move(w));
  return *controls_.back();
}

void DialogWindow::connectSignals(ControlWidget& w) {
  gpointer data = &w;
  g_signal_connect(w.inner, "focus-in-event", G_CALLBACK(onFocusIn), data);
  switch (w.kind) {
    case ControlKind::Edit:
      if (isMultiLine(w)) {
        g_signal_connect(bufferOf(w), "changed", G_CALLBACK(onBufferChanged), data);
        g_signal_connect(bufferOf(w), "mark-set", G_CALLBACK(onBufferMark), data);
      } else {
        g_signal_connect(w.inner, "changed", G_CALLBACK(onEntryChanged), data);
        g_signal_connect(w.inner, "notify::cursor-position", G_CALLBACK(onEntryCaret), data);
        g_signal_connect(w.inner, "notify::selection-bound", G_CALLBACK(onEntryCaret), data);
        if (w.style & cs::kNumber) {
          g_signal_connect(w.inner, "key-press-event", G_CALLBACK(onNumberKey), data);
          g_signal_connect(w.inner, "insert-text", G_CALLBACK(onEntryInsert), data);
        }
      }
      break;
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
      g_signal_connect(w.inner, "clicked", G_CALLBACK(onClicked), data);
      break;
    case ControlKind::Combo:
      g_signal_connect(w.inner, "changed", G_CALLBACK(onComboChanged), data);
      if (w.entry) {
        g_signal_connect(w.entry, "changed", G_CALLBACK(onEntryChanged), data);
        g_signal_connect(w.entry, "notify::cursor-position", G_CALLBACK(onEntryCaret), data);
        g_signal_connect(w.entry, "notify::selection-bound", G_CALLBACK(onEntryCaret), data);
        g_signal_connect(w.entry, "focus-in-event", G_CALLBACK(onFocusIn), data);
      }
      break;
    case ControlKind::List:
      g_signal_connect(gtk_tree_view_get_selection(GTK_TREE_VIEW(w.inner)), "changed",
                       G_CALLBACK(onListChanged), data);
      break;
    default:
      break;
  }
}

void DialogWindow::syncControl(int id) {
  ControlWidget* w = widget(id);
  const ControlState* c = dialog_.find(id);
  if (!w || !c) return;
  ++muted_;
  gtk_widget_set_sensitive(w->outer, c->enabled);
  gtk_widget_set_visible(w->outer, c->visible);
  switch (w->kind) {
    case ControlKind::Static:
      gtk_label_set_text_with_mnemonic(GTK_LABEL(w->inner), toMnemonic(c->text).c_str());
      break;
    case ControlKind::Edit:
      if (isMultiLine(*w)) {
        GtkTextBuffer* b = bufferOf(*w);
        if (widgetText(*w) != c->text) {
          const std::string shown = toUtf8(toLf(c->text));
          gtk_text_buffer_set_text(b, shown.c_str(), -1);
        }
        GtkTextIter start, end;
        gtk_text_buffer_get_iter_at_offset(b, &start, widgetOffset(c->text, c->selStart));
        gtk_text_buffer_get_iter_at_offset(b, &end, widgetOffset(c->text, c->selEnd));
        gtk_text_buffer_select_range(b, &end, &start);
      } else {
        if (widgetText(*w) != c->text) {
          gtk_entry_set_text(GTK_ENTRY(w->inner), toUtf8(c->text).c_str());
        }
        gtk_editable_select_region(GTK_EDITABLE(w->inner), widgetOffset(c->text, c->selStart),
                                   widgetOffset(c->text, c->selEnd));
      }
      break;
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
      gtk_button_set_label(GTK_BUTTON(w->inner), toMnemonic(c->text).c_str());
      if (w->kind == ControlKind::Check) {
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w->inner), c->checked);
      } else if (w->kind == ControlKind::Radio) {
        if (c->checked) {
          gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w->inner), TRUE);
        } else if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w->inner))) {
          gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w->noneRadio), TRUE);
        }
      }
      break;
    case ControlKind::Group:
      gtk_frame_set_label(GTK_FRAME(w->inner),
                          c->text.empty() ? nullptr : toUtf8(script::shownText(c->text)).c_str());
      break;
    case ControlKind::Combo: {
      auto* combo = GTK_COMBO_BOX_TEXT(w->inner);
      if (w->shownItems != c->items) {
        gtk_combo_box_text_remove_all(combo);
        for (const std::string& item : c->items) {
          gtk_combo_box_text_append_text(combo, toUtf8(item).c_str());
        }
        w->shownItems = c->items;
      }
      if (gtk_combo_box_get_active(GTK_COMBO_BOX(combo)) != c->selected) {
        gtk_combo_box_set_active(GTK_COMBO_BOX(combo), c->selected);
      }
      if (w->entry) {
        if (widgetText(*w) != c->text) {
          gtk_entry_set_text(GTK_ENTRY(w->entry), toUtf8(c->text).c_str());
        }
      }
      break;
    }
    case ControlKind::List: {
      if (w->shownItems != c->items) {
        gtk_list_store_clear(w->store);
        for (const std::string& item : c->items) {
          GtkTreeIter it;
          gtk_list_store_append(w->store, &it);
          gtk_list_store_set(w->store, &it, 0, toUtf8(item).c_str(), -1);
        }
        w->shownItems = c->items;
      }
      GtkTreeSelection* sel = gtk_tree_view_get_selection(GTK_TREE_VIEW(w->inner));
      if (c->selected >= 0) {
        GtkTreePath* path = gtk_tree_path_new_from_indices(c->selected, -1);
        gtk_tree_selection_select_path(sel, path);
        gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(w->inner), path, nullptr, FALSE, 0, 0);
        gtk_tree_path_free(path);
      } else {
        gtk_tree_selection_unselect_all(sel);
      }
      break;
    }
    case ControlKind::Progress: {
      const int span = c->rangeMax - c->rangeMin;
      const double fraction =
          span > 0 ? static_cast<double>(c->position - c->rangeMin) / span : 0.0;
      gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(w->inner), std::clamp(fraction, 0.0, 1.0));
      break;
    }
    case ControlKind::Icon:
    case ControlKind::Bitmap: {
      GdkPixbuf* picture =
          drawPicture(w->kind == ControlKind::Icon ? PictureKind::Icon : PictureKind::Bitmap,
                      c->text, w->width, w->height);
      gtk_image_set_from_pixbuf(GTK_IMAGE(w->inner), picture);
      g_object_unref(picture);
      break;
    }
    case ControlKind::WebView:
      break;
  }
  --muted_;
}

// --- widget signals: user input on the model ---

void DialogWindow::onEntryChanged(GtkEditable*, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_) return;
  w->owner->dialog_.userSetText(w->id, widgetText(*w));
}

void DialogWindow::onEntryInsert(GtkEditable* editable, gchar* text, gint length, gpointer,
                                 gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_ || w->typedByScript) return;
  // Digits only when typed; a paste is not filtered.
  const std::string_view typed(text, length < 0 ? std::strlen(text) : std::size_t(length));
  if (typed.find_first_not_of("0123456789") != std::string_view::npos) {
    g_signal_stop_emission_by_name(editable, "insert-text");
    gtk_widget_error_bell(GTK_WIDGET(editable));
  }
}

gboolean DialogWindow::onNumberKey(GtkWidget* entry, GdkEventKey* event, gpointer) {
  // A typed letter is refused before the entry replaces its selection with
  // it: text and selection stay as they are.
  const gunichar typed = gdk_keyval_to_unicode(event->keyval);
  const bool command = (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0;
  if (command || typed == 0 || !g_unichar_isprint(typed) || g_unichar_isdigit(typed)) return FALSE;
  gtk_widget_error_bell(entry);
  return TRUE;
}

void DialogWindow::onEntryCaret(GObject*, GParamSpec*, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_) return;
  GtkEditable* e = GTK_EDITABLE(w->entry ? w->entry : w->inner);
  int start = 0, end = 0;
  if (!gtk_editable_get_selection_bounds(e, &start, &end)) {
    start = end = gtk_editable_get_position(e);
  }
  const std::string text = widgetText(*w);
  w->owner->dialog_.userSetCaret(w->id, bytesBefore(text, start), bytesBefore(text, end));
}

void DialogWindow::onBufferChanged(GtkTextBuffer*, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_) return;
  w->owner->dialog_.userSetText(w->id, widgetText(*w));
}

void DialogWindow::onBufferMark(GtkTextBuffer* b, GtkTextIter*, GtkTextMark* mark, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_ || mark != gtk_text_buffer_get_insert(b)) return;
  GtkTextIter start, end, first;
  gtk_text_buffer_get_selection_bounds(b, &start, &end);
  gtk_text_buffer_get_start_iter(b, &first);
  auto modelBytes = [&](const GtkTextIter& at) {
    gchar* before = gtk_text_buffer_get_text(b, &first, &at, FALSE);
    const std::size_t n = toCrLf(before).size();
    g_free(before);
    return n;
  };
  w->owner->dialog_.userSetCaret(w->id, modelBytes(start), modelBytes(end));
}

void DialogWindow::onClicked(GtkButton* button, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  DialogWindow& self = *w->owner;
  if (self.muted_) return;
  // A radio button released by its group is clicked too; only the one
  // that the user clicked counts.
  if (w->kind == ControlKind::Radio && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button))) {
    return;
  }
  Dialog& dialog = self.dialog_;
  dialog.userFocus(w->id);
  dialog.userClickState(w->id);
  self.syncControl(w->id);
  dialog.proc().onCommand(dialog, w->id);
}

void DialogWindow::onComboChanged(GtkComboBox* combo, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_) return;
  const int index = gtk_combo_box_get_active(combo);
  // Typing into the edit field leaves the list's selection alone.
  if (index < 0 && w->entry) return;
  w->owner->dialog_.userSetSelection(w->id, index);
}

void DialogWindow::onListChanged(GtkTreeSelection* selection, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (w->owner->muted_) return;
  GtkTreeModel* model = nullptr;
  GtkTreeIter it;
  int index = -1;
  if (gtk_tree_selection_get_selected(selection, &model, &it)) {
    GtkTreePath* path = gtk_tree_model_get_path(model, &it);
    index = gtk_tree_path_get_indices(path)[0];
    gtk_tree_path_free(path);
  }
  w->owner->dialog_.userSetSelection(w->id, index);
}

gboolean DialogWindow::onFocusIn(GtkWidget*, GdkEvent*, gpointer data) {
  auto* w = static_cast<ControlWidget*>(data);
  if (!w->owner->muted_) w->owner->dialog_.userFocus(w->id);
  return FALSE;
}

}  // namespace qv::ui::gtk
