// The standard pages of every block dialog: input scaling and settings.
#include "dialog_helper.h"

#include "DataSlot.h"
#include "NodeDialog.h"
#include "ScaleWidget.h"
#include "SettingsWidget.h"
#include "State.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class ScalePage : public DialogTest
{
protected:
    ScaleWidget* open()
    {
        NodeDialog* dialog = openDialog();
        return qobject_cast<ScaleWidget*>(dialog->pageWidget(NodeDialog::ScalePage));
    }

    DataSlot* slotAt(int side, int index) const { return dynamic_cast<DataSlot*>(block->slot(side, index)); }
};

TEST_F(ScalePage, OneRowPerSlotInputsFirst)
{
    ScaleWidget* page = open();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->rowCount(), 3);
    EXPECT_EQ(page->item(0, 0)->text(), QStringLiteral("I1"));
    EXPECT_EQ(page->item(1, 0)->text(), QStringLiteral("I2"));
    EXPECT_EQ(page->item(2, 0)->text(), QStringLiteral("O"));
    EXPECT_EQ(page->columnCount(), 6);
    EXPECT_EQ(page->horizontalHeaderItem(1)->text(), QStringLiteral("Function"));
    EXPECT_EQ(page->rowHeight(0), 20);
}

TEST_F(ScalePage, TheSlotNameCannotBeEdited)
{
    ScaleWidget* page = open();
    for (int row = 0; row < page->rowCount(); ++row)
        EXPECT_FALSE(page->item(row, 0)->flags() & Qt::ItemIsEditable) << "row " << row;
    EXPECT_TRUE(page->item(0, 2)->flags() & Qt::ItemIsEditable);
}

struct ParameterCase
{
    const char* typed;
    const char* shown;
    float stored;
};

class ScaleParameter : public ScalePage, public ::testing::WithParamInterface<ParameterCase>
{ };

TEST_P(ScaleParameter, ATypedParameterReachesTheSlot)
{
    ScaleWidget* page = open();
    slotAt(SlotSpec::Left, 1)->setParameter(2, 9.0f);
    page->item(1, 4)->setText(QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(page->item(1, 4)->text(), QString::fromLatin1(GetParam().shown));
    EXPECT_FLOAT_EQ(slotAt(SlotSpec::Left, 1)->parameter(2), GetParam().stored);
    EXPECT_TRUE(program->isModified());
}

INSTANTIATE_TEST_SUITE_P(Texts, ScaleParameter,
                         ::testing::Values(ParameterCase {"2.5", "2.5", 2.5f}, ParameterCase {"-1e3", "-1e3", -1000.0f},
                                           ParameterCase {"abc", "0.0", 0.0f}, ParameterCase {"", "0.0", 0.0f}));

TEST_F(ScalePage, ChoosingAFormulaSetsTheTransform)
{
    ScaleWidget* page = open();
    auto* formulas = qobject_cast<QComboBox*>(page->cellWidget(2, 1));
    ASSERT_NE(formulas, nullptr);
    ASSERT_GT(formulas->count(), 2);
    formulas->setCurrentIndex(2);
    emit formulas->activated(2);
    EXPECT_EQ(slotAt(SlotSpec::Right, 0)->transform(), 2);
    EXPECT_TRUE(program->isModified());
}

TEST_F(ScalePage, TheTableShowsTheSlotsSettings)
{
    slotAt(SlotSpec::Left, 0)->setTransform(1);
    slotAt(SlotSpec::Left, 0)->setParameter(0, 3.14159265f);
    ScaleWidget* page = open();
    EXPECT_EQ(qobject_cast<QComboBox*>(page->cellWidget(0, 1))->currentIndex(), 1);
    EXPECT_EQ(page->item(0, 2)->text(), QStringLiteral("3.14159"));
}

TEST_F(ScalePage, MoreSlotsGiveMoreRows)
{
    NodeDialog* dialog = openDialog();
    EXPECT_EQ(dialog->setSlotCount(SlotSpec::Left, 4), 4);
    auto* page = qobject_cast<ScaleWidget*>(dialog->pageWidget(NodeDialog::ScalePage));
    ASSERT_EQ(page->rowCount(), 5);
    EXPECT_EQ(page->item(4, 0)->text(), QStringLiteral("O"));
}

class SettingsPage : public DialogTest
{
protected:
    SettingsWidget* open()
    {
        dialog = openDialog();
        return qobject_cast<SettingsWidget*>(dialog->pageWidget(NodeDialog::SettingsPage));
    }

    NodeDialog* dialog = nullptr;
};

TEST_F(SettingsPage, ActiveSwitchesAtOnce)
{
    SettingsWidget* page = open();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->activeBox()->isChecked());
    page->activeBox()->setChecked(false);
    EXPECT_FALSE(block->isActive());
    EXPECT_TRUE(program->isModified());
}

TEST_F(SettingsPage, ApplyRenamesTheBlockAndTheTitle)
{
    SettingsWidget* page = open();
    page->nameEdit()->setText(QStringLiteral("Left wheel"));
    page->applyButton()->click();
    EXPECT_EQ(block->type()->name(), QStringLiteral("Left wheel"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Left wheel"));
    EXPECT_TRUE(program->isModified());
}

TEST_F(SettingsPage, AnEmptyNameIsRefusedAndCancelRestores)
{
    SettingsWidget* page = open();
    page->nameEdit()->setText(QString());
    page->applyButton()->click();
    EXPECT_EQ(block->type()->name(), QStringLiteral("Recorder"));
    EXPECT_EQ(page->nameEdit()->text(), QStringLiteral("Recorder"));
    page->nameEdit()->setText(QStringLiteral("typed"));
    page->cancelButton()->click();
    EXPECT_EQ(page->nameEdit()->text(), QStringLiteral("Recorder"));
}

TEST_F(SettingsPage, ApplyWithTheSameNameStillMarksTheProgram)
{
    SettingsWidget* page = open();
    page->applyButton()->click();
    EXPECT_EQ(block->type()->name(), QStringLiteral("Recorder"));
    EXPECT_TRUE(program->isModified());
}

} // namespace
