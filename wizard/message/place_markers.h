// The place-marker catalogue: the markers the expression builder offers,
// with the descriptions its list shows. The monitoring service expands the
// markers when it raises an alert; the wizard only writes them as typed.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace qv::wizard {

// The fixed sizes of an entry's fields, terminator included.
inline constexpr std::size_t kMarkerCapacity = 50;
inline constexpr std::size_t kMarkerDescriptionCapacity = 100;

// One entry: a place-marker, a section heading (marker "-") or the end
// entry (both "END").
struct PlaceMarker {
  std::string_view marker;
  std::string_view description;
};

// Every entry in catalogue order, the end entry last.
std::span<const PlaceMarker> placeMarkerCatalogue();

// Headings are shown in the list but cannot be inserted.
bool isSectionHeading(const PlaceMarker& entry);
// The end entry closes the catalogue and is never shown.
bool isEndEntry(const PlaceMarker& entry);

}  // namespace qv::wizard
