#include "perm/remove_duplicates.h"

#include "controls/form.h"
#include "controls/list_box.h"
#include "perm/perm_window.h"

namespace vtn {

void RemoveDuplicateItems(ListBox& list) {
  const QString kNo = QStringLiteral("no");
  const int count = list.ListCount();  // taken once; later passes may run past the end
  for (int i = 0; i < count; ++i) {
    const int last = list.ListCount() - 1;
    for (int j = i + 1; j <= last; ++j) {
      // A removed row's place is taken by the next one, which is compared in its turn.
      while (j < list.ListCount() && list.List(i) == list.List(j)) list.RemoveItem(j);
      // Past the end there is nothing left to compare; reading on would compare an empty row
      // with the empty text there for ever.
      if (j >= list.ListCount()) break;
      Forms::get<FrmTxt>().Label26->Tag = kNo;
    }
  }
  Forms::get<FrmTxt>().Label26->Tag = QStringLiteral("yes");
}

}  // namespace vtn
