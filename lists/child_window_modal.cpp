#include "lists/child_window_modal.h"

namespace lists {
namespace {

struct CloseOnExit {
  ui::Form& form;
  ~CloseOnExit() {
    if (!form.unloaded()) form.close();
  }
};

}  // namespace

void loadAndShowModal(ui::Form& window, const std::function<void()>& formLoad) {
  CloseOnExit guard{window};
  formLoad();
  window.showModal();
}

}  // namespace lists
