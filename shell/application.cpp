#include "shell/application.h"

#include <QApplication>
#include <QDialog>
#include <QFont>

#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/qt_dialogs.h"
#include "platform/termination_signals.h"
#include "shell/form1.h"

namespace spinfolio {
namespace {

// Shows an error that escapes an event handler in the application's error box instead of
// ending the program.
class SpinfolioApplication final : public QApplication {
 public:
  SpinfolioApplication(int& argc, char** argv, Dialogs& dialogs)
      : QApplication(argc, argv), dialogs_(dialogs) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      dialogs_.showMessage(activeWindow(),
                           {QString::fromLocal8Bit(error.what()), applicationDisplayName(),
                            MessageIcon::Error, MessageButtons::Ok});
    }
    return false;
  }

 private:
  Dialogs& dialogs_;
};

// The fonts the windows are designed with, mapped onto the fonts a Debian desktop has.
void SubstituteFonts() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

// A termination request closes the open boxes and then the main window, so shut-down runs
// without waiting for anyone to answer a box.
void CloseForTermination(TForm1& form, QtDialogs& dialogs) {
  dialogs.answerUnattended();
  while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
    dialog->reject();
    if (QApplication::activeModalWidget() == dialog) break;
  }
  form.close();
}

}  // namespace

int RunSpinfolio(int argc, char** argv) {
  QtDialogs dialogs;
  SpinfolioApplication application(argc, argv, dialogs);
  QApplication::setApplicationName(QStringLiteral("Spinfolio"));
  QApplication::setApplicationDisplayName(QStringLiteral("Spinfolio"));
  SubstituteFonts();

  const SystemClock clock;
  StartContext context;
  context.programFolder = ExecutableFolder();
  context.arguments = QApplication::arguments().mid(1);
  context.lockFile = InstanceLock::DefaultLockFile();
  context.clock = &clock;
  context.dialogs = &dialogs;
  TForm1 form(std::move(context));

  TerminationSignals signals;
  QObject::connect(&signals, &TerminationSignals::terminationRequested, &form,
                   [&form, &dialogs] { CloseForTermination(form, dialogs); });
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                   [&form, &dialogs] { CloseForTermination(form, dialogs); });
  // However the loop ends, shut-down runs once.
  QObject::connect(&application, &QCoreApplication::aboutToQuit, &form, [&form] { form.close(); });

  if (form.FormCreate() == TForm1::StartResult::End) return 0;
  form.show();
  form.raise();
  form.activateWindow();
  return QApplication::exec();
}

}  // namespace spinfolio
