#pragma once
class QWidget;

namespace jx {

// Moves a window, frame included, to the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

}  // namespace jx
