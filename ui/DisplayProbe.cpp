#include "ui/DisplayProbe.h"

#include <QByteArray>

#ifdef OXTA_HAS_XCB
#include <xcb/xcb.h>

#include <cerrno>
#endif

namespace ui {

X11Answer TryX11Display() {
#ifdef OXTA_HAS_XCB
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return X11Answer::NotTried;
    errno = 0;
    xcb_connection_t* const connection = xcb_connect(display.constData(), nullptr);
    const int error = xcb_connection_has_error(connection);
    const int cause = errno;
    xcb_disconnect(connection);
    if (error == 0)
        return X11Answer::Accepted;
    if (error == XCB_CONN_ERROR && (cause == EAGAIN || cause == ECONNRESET || cause == EINTR))
        return X11Answer::BusyForTheMoment;
    return X11Answer::Unreachable;
#else
    return X11Answer::NotTried;
#endif
}

}  // namespace ui
