#include "tests/support/TempDir.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using Rows = TArrayBrowse::Rows;

// A browse with three predefined columns, as the catalogue forms build theirs.
class BrowseTest : public TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(500, 400);
        browse = TArrayBrowse::New(window.get());
        browse->SetBounds(0, 0, 480, 380);
        for (const char* header : {"Clave", "Nombre", "Plazas"}) {
            TArrayBrwColumn* column = TArrayBrwColumn::New(browse);
            column->cHeader(header);
            column->nWidth(120);
        }
        browse->Column(3)->nAlignment(66);
        browse->nMarqueeStyle = 4;
        browse->nRowDividerStyle = 4;
        browse->Create();
        browse->OnChange = [this](TControl* sender) {
            ++changes;
            EXPECT_EQ(sender, browse);
        };
    }
    void TearDown() override {
        window.reset();
        TempDirTest::TearDown();
    }

    static Rows sample() {
        return {{"        3", "Recepción", "10"},
                {"       12", "cocina", "2"},
                {"        7", "Cocina fría", "100"},
                {"       20", "Ama de llaves", "5"}};
    }

    std::unique_ptr<QWidget> window;
    TArrayBrowse* browse = nullptr;
    int changes = 0;
};

}  // namespace

TEST_F(BrowseTest, SetArrayReplacesTheRowsAndSelectsTheFirstSilently) {
    browse->SetArray(sample());
    browse->GoTo(3);
    changes = 0;
    browse->SetArray({{"1", "uno", "1"}, {"2", "dos", "2"}});
    EXPECT_EQ(browse->nLen(), 2);
    EXPECT_EQ(browse->Bookmark(), 1);
    EXPECT_EQ(browse->GetValue(2), "uno");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(browse->aArrayData().at(1).at(1), "dos");
}

TEST_F(BrowseTest, SetArrayTakesHeadersWhenGiven) {
    browse->SetArray(sample(), {"Código", "Puesto"});
    EXPECT_EQ(browse->Column(1)->cHeader(), "Código");
    EXPECT_EQ(browse->Column(2)->cHeader(), "Puesto");
    EXPECT_EQ(browse->Column(3)->cHeader(), "Plazas");
    EXPECT_EQ(browse->model()->headerData(0, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(browse->ColumnCount(), 3);
}

TEST_F(BrowseTest, AnEmptyBrowseGivesNothingAndRaisesNoChange) {
    browse->SetArray({});
    EXPECT_EQ(browse->Bookmark(), 0);
    EXPECT_EQ(browse->GetValue(1), "");
    EXPECT_EQ(browse->GetValue("Nombre"), "");
    browse->GoTo(1);
    browse->Refresh();
    EXPECT_EQ(changes, 0);
    browse->DblClick(1);
}

TEST_F(BrowseTest, GoToSelectsAndAlwaysRaisesChange) {
    browse->SetArray(sample());
    browse->GoTo(2);
    EXPECT_EQ(browse->Bookmark(), 2);
    EXPECT_EQ(browse->GetValue(1), "       12");  // as shown, with its blanks
    EXPECT_EQ(browse->GetValue("Nombre"), "cocina");
    EXPECT_EQ(browse->GetValue(browse->Column(3)), "2");
    EXPECT_EQ(changes, 1);
    browse->GoTo(2);
    EXPECT_EQ(changes, 2);
    browse->Refresh();
    EXPECT_EQ(changes, 2);
}

TEST_F(BrowseTest, TheUsersChoiceOfARowRaisesChangeOnce) {
    browse->SetArray(sample());
    browse->setCurrentIndex(browse->model()->index(3, 1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(browse->Bookmark(), 4);
    browse->setCurrentIndex(browse->model()->index(3, 2));  // another cell of the same row
    EXPECT_EQ(changes, 1);
}

// A press and release of the left button on the cell of row `row` (0-based, as shown).
void Clic(TArrayBrowse* browse, int row) {
    const QPoint at = browse->visualRect(browse->model()->index(row, 1)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, browse->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(browse->viewport(), &e);
    }
}

TEST_F(BrowseTest, AClickOnTheRowHighlightedByLoadingChoosesIt) {
    int clicks = 0;
    browse->OnClick = [&](TControl*) { ++clicks; };
    window->show();
    const struct {
        const char* caso;
        Rows rows;
        int fila;  // clicked, 0-based
        int changes;
    } casos[] = {
        {"the highlighted first row", sample(), 0, 1},
        {"a single row", {{"1", "uno", "1"}}, 0, 1},
        {"another row", sample(), 2, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        browse->SetArray(c.rows);
        changes = clicks = 0;
        Clic(browse, c.fila);
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(browse->Bookmark(), c.fila + 1);
        Clic(browse, c.fila);  // chosen already: announced once
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(clicks, 2);
    }
    // After GoTo the row is announced: a click on it adds nothing.
    browse->SetArray(sample());
    browse->GoTo(1);
    changes = 0;
    Clic(browse, 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(BrowseTest, FilterBarKeepsRowsContainingTheTextIgnoringCase) {
    browse->SetArray(sample());
    browse->SetFilter(2, "COCINA");
    EXPECT_EQ(browse->nVisibleRows(), 2);
    // The first row was filtered out: the first row left is selected, counted in the data.
    EXPECT_EQ(browse->Bookmark(), 2);
    EXPECT_EQ(browse->GetValue(2), "cocina");
    EXPECT_EQ(changes, 1);

    browse->GoTo(3);
    EXPECT_EQ(browse->GetValue(2), "Cocina fría");
    browse->SetFilter(1, "7");
    EXPECT_EQ(browse->nVisibleRows(), 1);
    EXPECT_EQ(browse->Bookmark(), 3);
    browse->SetFilter(2, "");
    browse->SetFilter(1, "");
    EXPECT_EQ(browse->nVisibleRows(), 4);
    EXPECT_EQ(browse->Bookmark(), 3);
}

TEST_F(BrowseTest, GoToARowHiddenByTheFilterShowsItAgain) {
    browse->SetArray(sample());
    browse->SetFilter(2, "cocina");
    browse->GoTo(1);
    EXPECT_EQ(browse->Bookmark(), 1);
    EXPECT_EQ(browse->nVisibleRows(), 4);
    EXPECT_EQ(browse->Filter(2), "");
}

TEST_F(BrowseTest, FilterThatHidesEverythingLeavesNoSelection) {
    browse->SetArray(sample());
    browse->SetFilter(2, "zzz");
    EXPECT_EQ(browse->nVisibleRows(), 0);
    EXPECT_EQ(browse->Bookmark(), 0);
    EXPECT_EQ(browse->GetValue(1), "");
    EXPECT_EQ(changes, 0);
}

TEST_F(BrowseTest, TypingInTheFilterBoxFilters) {
    browse->lFilterBar(true);
    browse->SetArray(sample());
    const auto boxes = browse->horizontalHeader()->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 3);
    boxes[1]->setText("llaves");  // as the user types
    EXPECT_EQ(browse->nVisibleRows(), 1);
    EXPECT_EQ(browse->GetValue(1), "       20");
    // The header is taller by the filter row.
    EXPECT_GT(browse->horizontalHeader()->height(), boxes[1]->height());

    browse->SetFilter(2, "rec");  // shows in the box too
    EXPECT_EQ(boxes[1]->text(), "rec");
    browse->SetArray(sample());  // new rows show unfiltered
    EXPECT_EQ(boxes[1]->text(), "");
    EXPECT_EQ(browse->nVisibleRows(), 4);
}

TEST_F(BrowseTest, OrderingByHeaderKeepsRowNumbersInTheData) {
    browse->lAutoOrder(true);
    browse->SetArray(sample());
    browse->GoTo(2);
    browse->horizontalHeader()->sectionClicked(0);  // click on "Clave"
    EXPECT_EQ(browse->nOrderColumn(), 1);
    // By number: 3, 7, 12, 20.
    EXPECT_EQ(browse->model()->index(0, 0).data().toString(), "        3");
    EXPECT_EQ(browse->model()->index(1, 0).data().toString(), "        7");
    EXPECT_EQ(browse->model()->index(3, 0).data().toString(), "       20");
    EXPECT_EQ(browse->Bookmark(), 2);  // still "12", row 2 of the data
    EXPECT_EQ(browse->GetValue(2), "cocina");

    browse->setCurrentIndex(browse->model()->index(0, 0));  // the user picks the top row
    EXPECT_EQ(browse->Bookmark(), 1);
    browse->OrderBy(1);  // second click: descending
    EXPECT_EQ(browse->model()->index(0, 0).data().toString(), "       20");
    EXPECT_EQ(browse->aArrayData(), sample());  // the data keep their order
}

TEST_F(BrowseTest, TextOrderIgnoresLetterCase) {
    browse->SetArray(sample());
    browse->OrderBy(2);
    QStringList names;
    for (int r = 0; r < 4; ++r)
        names << browse->model()->index(r, 1).data().toString();
    EXPECT_EQ(names, (QStringList{"Ama de llaves", "cocina", "Cocina fría", "Recepción"}));
}

TEST_F(BrowseTest, HeaderClicksOrderOnlyWithAutoOrder) {
    browse->SetArray(sample());
    browse->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(browse->nOrderColumn(), 0);
    EXPECT_EQ(browse->model()->index(0, 1).data().toString(), "Recepción");
}

TEST_F(BrowseTest, DoubleClickGivesColumnAndRowOfTheData) {
    browse->SetArray(sample());
    browse->OrderBy(2);
    int column = 0;
    int row = 0;
    browse->OnDblClick = [&](TControl* s, int, int c, int r) {
        EXPECT_EQ(s, browse);
        column = c;
        row = r;
    };
    browse->DblClick(4, 2);
    EXPECT_EQ(row, 4);
    EXPECT_EQ(column, 2);
    EXPECT_EQ(browse->Bookmark(), 4);
    // The user's double click on the first line shown ("Ama de llaves", row 4 of the data).
    browse->doubleClicked(browse->model()->index(0, 2));
    EXPECT_EQ(row, 4);
    EXPECT_EQ(column, 3);
}

TEST_F(BrowseTest, AlignmentSixtySixIsRightUnderACentredHeader) {
    browse->SetArray(sample());
    const auto cell =
        browse->model()->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const auto head = browse->model()
                          ->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole)
                          .value<Qt::Alignment>();
    EXPECT_TRUE(cell & Qt::AlignRight);
    EXPECT_TRUE(head & Qt::AlignHCenter);
    EXPECT_EQ(browse->Column(3)->nAlignment(), 66);
    const auto left =
        browse->model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_TRUE(left & Qt::AlignLeft);
}

TEST_F(BrowseTest, RecordSelectorAndHeaderHeight) {
    EXPECT_FALSE(browse->verticalHeader()->isVisibleTo(browse));
    TBrwRecSel* selector = TBrwRecSel::New(browse);
    selector->nWidth(14);
    browse->nHeaderHeight(36);
    browse->SetArray(sample());
    EXPECT_TRUE(browse->verticalHeader()->isVisibleTo(browse));
    EXPECT_EQ(selector->nWidth(), 14);
    EXPECT_EQ(browse->verticalHeader()->sizeHint().width(), 14);
    EXPECT_EQ(browse->horizontalHeader()->sizeHint().height(), 36);
    // No row numbers in the selector.
    EXPECT_FALSE(browse->model()->headerData(0, Qt::Vertical).isValid());
    // The marker is drawn on the selected row only.
    window->show();
    browse->GoTo(2);
    QHeaderView* selectorColumn = browse->verticalHeader();
    const QImage shot = selectorColumn->viewport()->grab().toImage();
    auto darkPixels = [&](int row) {
        const int top = selectorColumn->sectionViewportPosition(row);
        int dark = 0;
        for (int y = top; y < top + selectorColumn->sectionSize(row); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 100 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(darkPixels(1), 5);
    EXPECT_EQ(darkPixels(0), 0);
    EXPECT_EQ(darkPixels(2), 0);
}

TEST_F(BrowseTest, ColumnWidthsAndReading) {
    browse->Column(1)->nWidth(80);
    EXPECT_EQ(browse->Column(1)->nWidth(), 80);
    EXPECT_EQ(browse->columnWidth(0), 80);
    EXPECT_EQ(browse->Column(0), nullptr);
    EXPECT_EQ(browse->Column(4), nullptr);
}

TEST(BrowseAutoColumns, ABrowseWithoutColumnsBuildsThemFromTheFirstRow) {
    QWidget window;
    TArrayBrowse* browse = TArrayBrowse::New(&window);
    browse->SetArray({{"a", "b"}, {"c", "d"}}, {"Uno", "Dos"}, true);
    EXPECT_EQ(browse->ColumnCount(), 2);
    EXPECT_EQ(browse->Column(2)->cHeader(), "Dos");
    EXPECT_TRUE(browse->lAutoOrder());
    browse->GoTo(2);
    EXPECT_EQ(browse->GetValue("Dos"), "d");
}

TEST(BrowseLarge, TenThousandRowsFilterAndOrder) {
    QWidget window;
    TArrayBrowse* browse = TArrayBrowse::New(&window);
    TArrayBrwColumn::New(browse)->cHeader("Clave");
    TArrayBrwColumn::New(browse)->cHeader("Nombre");
    Rows rows;
    for (int i = 0; i < 10000; ++i)
        rows.append({QString::number(i + 1).rightJustified(9), QStringLiteral("Puesto %1").arg(i)});
    browse->SetArray(rows);
    EXPECT_EQ(browse->nLen(), 10000);
    browse->SetFilter(2, "puesto 99");
    EXPECT_EQ(browse->nVisibleRows(), 111);  // 99, 990-999, 9900-9999
    browse->OrderBy(1);
    browse->OrderBy(1);
    EXPECT_EQ(browse->model()->index(0, 1).data().toString(), "Puesto 9999");
    EXPECT_EQ(browse->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST_F(BrowseTest, TheDownArrowInAFilterBoxGoesOnToTheRows) {
    browse->lFilterBar(true);
    browse->SetArray(sample());
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QLineEdit* box = browse->horizontalHeader()->findChildren<QLineEdit*>().value(1);
    ASSERT_NE(box, nullptr);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(box, &down);
    EXPECT_TRUE(browse->hasFocus());
    EXPECT_EQ(browse->Bookmark(), 1);
}
