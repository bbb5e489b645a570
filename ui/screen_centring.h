// Windows open centred on their screen by their outer frame, title bar included, as Windows
// places a dialog it centres.
#pragma once

class QWidget;

namespace tempidex {

// Call before the window is first shown. The frame belongs to the window manager and is
// known only once the window is on the screen: until then the owner window's frame is
// assumed (none for a window without owner), and the window is placed once more as soon as
// its own frame turns out to be another.
void CentreOnScreen(QWidget *window);

} // namespace tempidex
