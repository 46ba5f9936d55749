#include "ui/TForm.h"
#include "ui/TestSeam.h"

namespace ui {

namespace {
ModalRunner& installedRunner() {
    static ModalRunner runner;
    return runner;
}
}  // namespace

void SetModalRunner(ModalRunner runner) {
    installedRunner() = std::move(runner);
}

const ModalRunner& CurrentModalRunner() {
    return installedRunner();
}

ModalRunnerScope::ModalRunnerScope(ModalRunner runner) : m_previous(CurrentModalRunner()) {
    SetModalRunner([this, runner = std::move(runner)](TForm& form) {
        m_captions << form.cText();
        if (runner)
            runner(form);
    });
}

ModalRunnerScope::~ModalRunnerScope() {
    SetModalRunner(std::move(m_previous));
}

}  // namespace ui
