#pragma once

#include <QIcon>
#include <QString>
#include <QVariant>

#include <map>
#include <vector>

class QEventLoop;
class TForm;

// The application object: title, icon, the list of open forms and the message loop.
// Reached everywhere as Application().
class TApplication {
  public:
    QString cTitle = QStringLiteral("OXTAStaffing");
    QIcon oIcon;  // set by start-up from the icon resource "_1229"

    // Runs the message loop. The first open form is the main form; when it closes, the first
    // form still open takes its place; Run returns when no form is left open (at once when
    // none is open). Forms closed meanwhile are deleted before it returns.
    int Run();

    // Forms currently shown and not yet closed, in the order they were shown.
    const std::vector<TForm*>& OpenForms() const { return m_open; }
    TForm* MainForm() const { return m_open.empty() ? nullptr : m_open.front(); }
    // The newest open form of type F, or nullptr (used by tests and hand-overs).
    template <class F>
    F* FindForm() const {
        for (auto it = m_open.rbegin(); it != m_open.rend(); ++it)
            if (auto* f = dynamic_cast<F*>(*it))
                return f;
        return nullptr;
    }

    // Called by TForm: a form went on screen / closed (or was deleted while open).
    void formShown(TForm* form);
    void formClosed(TForm* form);

  private:
    std::vector<TForm*> m_open;
    QEventLoop* m_loop = nullptr;  // the loop of Run, while it runs
};

TApplication& Application();

// Named values shared by all forms (AddData(name, value), then read and written by name).
class TAppData {
  public:
    void AddData(const QString& name, const QVariant& value = {});
    QVariant Get(const QString& name) const;  // invalid QVariant when never added
    void Set(const QString& name, const QVariant& value);
    bool Has(const QString& name) const;

    // The one value the application uses: the logged-in user's name.
    QString UsuarioGet() const { return Get(QStringLiteral("UsuarioGet")).toString(); }
    void UsuarioGet(const QString& v) { Set(QStringLiteral("UsuarioGet"), v); }

  private:
    std::map<QString, QVariant> m_values;
};

TAppData& AppData();
