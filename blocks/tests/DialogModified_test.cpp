// Every dialog change that alters what is saved marks the program modified, so that a
// change made after a save is never lost without a question.
#include "BlockDialog_helper.h"

#include "ChannelPushButton.h"
#include "CounterDialog.h"
#include "NodeDialog.h"
#include "ScopeDialog.h"
#include "ShellServices.h"
#include "SiggenDialog.h"
#include "SmoothDialog.h"
#include "State.h"
#include "StateNode.h"
#include "TransferFunctionDialog.h"
#include "ValueFileDialog.h"
#include "VectorConstDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include <functional>
#include <ostream>

namespace {

struct ChangeCase
{
    const char* what;
    unsigned short kind;
    std::function<void(NodeDialog*)> change;
};

void PrintTo(const ChangeCase& c, std::ostream* os)
{
    *os << c.what;
}

class DialogChange : public BlockDialogTest, public ::testing::WithParamInterface<ChangeCase>
{ };

TEST_P(DialogChange, MarksTheProgramModified)
{
    load(kdw::node(2, GetParam().kind, 0, 300));
    run->state().viewAdded();
    NodeDialog* dialog = open(GetParam().kind);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(run->saveAs(QStringLiteral("saved.kdw")));
    ASSERT_FALSE(run->state().isModified());
    GetParam().change(dialog);
    EXPECT_TRUE(run->state().isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DialogChange,
    ::testing::Values(ChangeCase {"counter edge", 5,
                                  [](NodeDialog* d) { qobject_cast<CounterDialog*>(d)->fallingEdgeBox()->click(); }},
                      ChangeCase {"smoothing depth", 27,
                                  [](NodeDialog* d) { qobject_cast<SmoothDialog*>(d)->spinBox()->setValue(5); }},
                      ChangeCase {"generator amplitude", 1,
                                  [](NodeDialog* d) { qobject_cast<SiggenDialog*>(d)->ampSlider()->setValue(3); }},
                      ChangeCase {"vector form", 22,
                                  [](NodeDialog* d) {
                                      auto* dialog = qobject_cast<VectorConstDialog*>(d);
                                      dialog->systemBox()->setCurrentIndex(1);
                                      emit dialog->systemBox()->activated(1);
                                  }},
                      ChangeCase {"vector value", 22,
                                  [](NodeDialog* d) {
                                      auto* dialog = qobject_cast<VectorConstDialog*>(d);
                                      dialog->field0()->setText(QStringLiteral("2"));
                                      dialog->applyButton()->click();
                                  }},
                      ChangeCase {"transfer range", 26,
                                  [](NodeDialog* d) {
                                      auto* dialog = qobject_cast<TransferFunctionDialog*>(d);
                                      dialog->rangeBox(1)->setValue(7);
                                      dialog->rangeApplyButton()->click();
                                  }},
                      ChangeCase {"scope panel", 2,
                                  [](NodeDialog* d) { qobject_cast<ScopeDialog*>(d)->channelButton(0)->click(); }},
                      ChangeCase {"writer file", 52,
                                  [](NodeDialog* d) {
                                      qobject_cast<ValueFileDialog*>(d)->lineEdit()->setText(QStringLiteral("a.txt"));
                                  }},
                      ChangeCase {"reader channels", 53,
                                  [](NodeDialog* d) { qobject_cast<ValueFileDialog*>(d)->spinBox()->setValue(4); }},
                      ChangeCase {"math inputs", 20, [](NodeDialog* d) { d->findChild<QSpinBox*>()->setValue(4); }},
                      ChangeCase {"variant", 16, [](NodeDialog* d) {
                                      d->subTypeSelector()->setCurrentIndex(3);
                                      emit d->subTypeSelector()->activated(3);
                                  }}));

// Answers the file choosers as a user would.
class ChoosingShell : public ShellServices
{
public:
    QString saveFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        captions.append(caption);
        return QStringLiteral("chosen-out.txt");
    }
    QString openFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        captions.append(caption);
        return QStringLiteral("chosen-in.txt");
    }

    QStringList captions;
};

struct BrowseCase
{
    unsigned short kind;
    const char* chosen;
};

class BrowseForFile : public BlockDialogTest, public ::testing::WithParamInterface<BrowseCase>
{ };

TEST_P(BrowseForFile, TheChosenFileBecomesTheBlocksFile)
{
    ChoosingShell shell;
    ShellServices::install(&shell);
    load(kdw::node(2, GetParam().kind, 0, 300));
    auto* dialog = open<ValueFileDialog>(GetParam().kind);
    ASSERT_NE(dialog, nullptr);
    dialog->browseButton()->click();
    ShellServices::install(nullptr);
    EXPECT_EQ(shell.captions, QStringList {QStringLiteral("Choose a file")});
    EXPECT_EQ(dialog->lineEdit()->text(), QString::fromLatin1(GetParam().chosen));
    EXPECT_EQ(block(GetParam().kind)->parameters().value(QStringLiteral("filename")),
              QString::fromLatin1(GetParam().chosen));
}

INSTANTIATE_TEST_SUITE_P(Kinds, BrowseForFile,
                         ::testing::Values(BrowseCase {52, "chosen-out.txt"}, BrowseCase {53, "chosen-in.txt"}));

} // namespace
