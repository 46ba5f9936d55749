#include "ui/Application.h"

#include "ui/TForm.h"

#include <QApplication>
#include <QEventLoop>

#include <algorithm>

int TApplication::Run() {
    // The toolkit decides when the program ends: when no form is left open. Qt's own rule
    // (quit when the last window closes) would end a hand-over in which the next form is
    // shown only after the current one has closed.
    qApp->setQuitOnLastWindowClosed(false);
    QEventLoop loop;
    m_loop = &loop;
    while (!m_open.empty())
        loop.exec();
    m_loop = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

void TApplication::formShown(TForm* form) {
    if (std::find(m_open.begin(), m_open.end(), form) == m_open.end())
        m_open.push_back(form);
}

void TApplication::formClosed(TForm* form) {
    m_open.erase(std::remove(m_open.begin(), m_open.end(), form), m_open.end());
    if (m_open.empty() && m_loop)
        m_loop->quit();
}

TApplication& Application() {
    static TApplication app;
    return app;
}
