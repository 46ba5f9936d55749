// What the X server named by DISPLAY is taken to answer: no server, a server that turns the
// connection away for the moment, nothing to try. (A real server is tried by the start-up
// tests of the program.)
#include "ui/DisplayProbe.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class DisplayVariable {
  public:
    explicit DisplayVariable(std::optional<QByteArray> value) {
        if (qEnvironmentVariableIsSet("DISPLAY"))
            m_old = qgetenv("DISPLAY");
        if (value)
            qputenv("DISPLAY", *value);
        else
            qunsetenv("DISPLAY");
    }
    ~DisplayVariable() {
        if (m_old)
            qputenv("DISPLAY", *m_old);
        else
            qunsetenv("DISPLAY");
    }

  private:
    std::optional<QByteArray> m_old;
};

// Listens where display :n is looked for first (the abstract socket "/tmp/.X11-unix/X<n>", so
// no file is made) and drops its one connection as soon as the client has spoken, unanswered,
// as a server with a full queue does.
class DroppingServer {
  public:
    explicit DroppingServer(int display) {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(display);
        std::copy(path.begin(), path.end(), addr.sun_path + 1);  // sun_path[0] = 0: abstract
        const auto len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        m_ok = ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 && ::listen(m_fd, 1) == 0;
        if (m_ok)
            m_thread = std::thread([this] {
                const int client = ::accept(m_fd, nullptr, nullptr);
                pollfd p{client, POLLIN, 0};
                ::poll(&p, 1, 5000);
                ::close(client);  // with the request unread: the client's read fails (reset)
            });
    }
    ~DroppingServer() {
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_fd);
    }
    bool ok() const { return m_ok; }

  private:
    int m_fd = -1;
    bool m_ok = false;
    std::thread m_thread;
};

}  // namespace

TEST(DisplayProbe, NoServerIsUnreachableAndNoDisplayIsNotTried) {
    {
        DisplayVariable d(QByteArray(":4097"));
        EXPECT_EQ(ui::TryX11Display(), ui::X11Answer::Unreachable);
    }
    DisplayVariable none(std::nullopt);
    EXPECT_EQ(ui::TryX11Display(), ui::X11Answer::NotTried);
}

TEST(DisplayProbe, AServerThatDropsTheConnectionIsBusyForTheMoment) {
    constexpr int kDisplay = 4093;
    DroppingServer server(kDisplay);
    if (!server.ok())
        GTEST_SKIP() << "display :" << kDisplay << " is in use";
    DisplayVariable d(":" + QByteArray::number(kDisplay));
    EXPECT_EQ(ui::TryX11Display(), ui::X11Answer::BusyForTheMoment);
}
