#include "app/MessageBoxes.h"

namespace MessageBoxes {

namespace {
Presenter* presenterInForce = nullptr;
}

void SetPresenter(Presenter* presenter) {
    presenterInForce = presenter;
}
Presenter* CurrentPresenter() {
    return presenterInForce;
}

} // namespace MessageBoxes
