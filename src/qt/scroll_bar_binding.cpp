#include "qt/bindings.h"
#include "qt/spin_arrows.h"

namespace kv::qt {

// A vertical scroll bar used as a spin control. Its upper arrow lowers the
// position by the bar's step, which raises the value the box beside it
// shows; the arrows reach only the positions the bar offers.
SpinArrows* Bindings::scroll_bar(ScrollBar& bar, QWidget* parent) {
    auto* spin = new SpinArrows(parent);
    remember(bar, spin);
    on(spin, &SpinArrows::upper_arrow, [&bar] { bar.arrow_up(); });
    on(spin, &SpinArrows::lower_arrow, [&bar] { bar.arrow_down(); });
    attach(bar, [spin, &bar] { refresh_common(*spin, bar); });
    return spin;
}

}  // namespace kv::qt
