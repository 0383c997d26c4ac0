#pragma once
#include <vector>

#include "lists/list_file.h"
#include "platform/ui/control.h"

/// The list rows as the band list and the scanner show them: row k in the boxes freq[k],
/// mode[k] and info[k] of three columns of equal length.
namespace lists {

/// The rows as the boxes show them, one per box of the columns.
std::vector<ListRow> rowsOfBoxes(const std::vector<ui::Control*>& freq,
                                 const std::vector<ui::Control*>& mode,
                                 const std::vector<ui::Control*>& info);

/// Shows row k in the boxes of row k, for as many rows as there are both rows and boxes; the
/// other boxes keep their texts.
void showRowsInBoxes(const std::vector<ListRow>& rows, const std::vector<ui::Control*>& freq,
                     const std::vector<ui::Control*>& mode, const std::vector<ui::Control*>& info);

}  // namespace lists
