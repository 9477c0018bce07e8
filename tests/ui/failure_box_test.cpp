// A failure of an operation run from the window is shown in an error box, whatever failed, and
// goes no further: a fault that passed a Qt event handler would end the program.
#include "ui/failure_box.h"

#include <QtTest>
#include <stdexcept>

#include "base/errors.h"
#include "scripted_dialogs.h"

namespace zarkel {

class FailureBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void EveryFailureIsShownOnceAndStopsThere() {
    testing::ScriptedDialogs dialogs;
    bool ran = false;
    RunShowingFailure(dialogs, [&] { ran = true; });
    QVERIFY(ran);
    QVERIFY(dialogs.errors.empty());

    RunShowingFailure(dialogs, [] { throw Refusal("\"Rifles\" is not on the lists."); });
    const ConversionError conversion("x");
    RunShowingFailure(dialogs, [&] { throw conversion; });
    // Not one of the editor's failures: a fault of the program is shown all the same.
    RunShowingFailure(dialogs, [] { throw std::out_of_range("vector::_M_range_check"); });
    QCOMPARE(dialogs.errors,
             (std::vector<std::string>{"\"Rifles\" is not on the lists.", conversion.what(),
                                       "vector::_M_range_check"}));
    QVERIFY(dialogs.messages.empty());
  }
};

}  // namespace zarkel

QTEST_APPLESS_MAIN(zarkel::FailureBoxTest)
#include "failure_box_test.moc"
