#pragma once
// The shared removal of repeated list rows.
namespace vtn {

class ListBox;

// Removes every later repeat of a row (exact, case-sensitive text), keeping each text at its
// first place and the remaining rows in their order. Leaves the perm window's Label26 tag "yes"
// (loading that window when it is not loaded), whichever list it cleaned. Shows no message.
void RemoveDuplicateItems(ListBox& list);

}  // namespace vtn
