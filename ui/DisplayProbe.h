#pragma once

namespace ui {

// What the X server named by DISPLAY answers to a new connection.
enum class X11Answer {
    Accepted,          // it took the connection
    BusyForTheMoment,  // it turned it away for now: its queue of new connections was full, as
                       // when several programs start at once (EAGAIN, ECONNRESET)
    Unreachable,       // no server there, or it refused for good
    NotTried,          // no DISPLAY, or built without X11 support
};

// Opens a connection to the X server of DISPLAY and closes it again.
X11Answer TryX11Display();

}  // namespace ui
