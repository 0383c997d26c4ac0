#include "lists/row_boxes.h"

namespace lists {

std::vector<ListRow> rowsOfBoxes(const std::vector<ui::Control*>& freq,
                                 const std::vector<ui::Control*>& mode,
                                 const std::vector<ui::Control*>& info) {
  std::vector<ListRow> rows;
  for (std::size_t k = 0; k < freq.size(); ++k) {
    rows.push_back({freq[k]->caption, mode[k]->caption, info[k]->caption});
  }
  return rows;
}

void showRowsInBoxes(const std::vector<ListRow>& rows, const std::vector<ui::Control*>& freq,
                     const std::vector<ui::Control*>& mode, const std::vector<ui::Control*>& info) {
  for (std::size_t k = 0; k < freq.size() && k < rows.size(); ++k) {
    freq[k]->caption = rows[k].freq;
    mode[k]->caption = rows[k].mode;
    info[k]->caption = rows[k].info;
  }
}

}  // namespace lists
