#pragma once

#include "ui/TControl.h"

#include <QStringList>
#include <QTableView>

#include <memory>
#include <vector>

class TArrayBrowse;

// One column of a browse: column n shows element n of every row.
class TArrayBrwColumn {
  public:
    static TArrayBrwColumn* New(TArrayBrowse* browse);  // appended; owned by the browse
    QString cHeader() const;
    void cHeader(const QString& h);
    int nWidth() const;
    void nWidth(int w);
    int nAlignment() const;  // 0 left, 1 centre, 2 right, 66 right under a centred header
    void nAlignment(int a);
    int nIndex() const { return m_index; }  // 1-based

  private:
    friend class TArrayBrowse;
    TArrayBrowse* m_browse = nullptr;
    int m_index = 0;
};

// The record-selector column at the left of a browse: a narrow column with a marker on
// the selected row.
class TBrwRecSel {
  public:
    static TBrwRecSel* New(TArrayBrowse* browse);  // owned by the browse
    void nWidth(int w);
    int nWidth() const;

  private:
    friend class TArrayBrowse;
    TArrayBrowse* m_browse = nullptr;
};

namespace ui {
class BrowseModel;
class BrowseProxy;
class FilterHeader;
class FooterRow;
}  // namespace ui

// Grid over an in-memory table of rows, each row a list of texts. Rows, columns and
// Bookmark are 1-based, and rows are always counted in aArrayData (the order the rows were
// loaded), also while the filter bar or an ordering by header is in force. Backed by a Qt
// item model; the filter bar (case-insensitive "contains" per column) and header ordering
// act on the loaded rows only.
class TArrayBrowse : public QTableView, public TControl {
  public:
    using Row = QStringList;
    using Rows = QList<QStringList>;

    static TArrayBrowse* New(QWidget* parent);
    QWidget* widget() const override;
    ~TArrayBrowse() override;

    // Replaces the rows and moves the selection to the first row, raising no OnChange (a
    // click on that highlighted row, or a move, raises it later). The
    // filter texts and the ordering by header are cleared, so the rows show as loaded.
    // Column n takes the n-th header when headers are given. `autoColumns`: a browse
    // without predefined columns builds one per element of the first row and orders by
    // header.
    void SetArray(const Rows& rows, const QStringList& headers = {}, bool autoColumns = true);
    const Rows& aArrayData() const;
    // Column n of the selected row (as shown, with its blanks); empty without rows.
    QString GetValue(int column) const;
    QString GetValue(const QString& header) const;
    QString GetValue(const TArrayBrwColumn* column) const;
    // Selects row n; raises OnChange when the browse holds rows. A row hidden by the filter
    // bar clears the filter so that it can be shown.
    void GoTo(int row);
    int Bookmark() const;      // selected row, 1-based; 0 without rows
    void Refresh();            // redraws; raises no OnChange
    int nLen() const;          // number of rows held
    int nVisibleRows() const;  // rows that pass the filter bar
    // The rows that pass the filter bar (numbers in aArrayData, 1-based), in the order shown.
    QList<int> VisibleRows() const;

    // A fixed row under the rows, element n under column n (totals and the like); it stays
    // in place while the rows scroll. An empty list removes it.
    void SetFooter(const QStringList& texts);
    QStringList Footer() const;

    int nRowDividerStyle = 0;  // 0: no grid lines; otherwise lines between rows and cells
    int nMarqueeStyle = 0;     // 4: whole-row selection (rows are always selected whole)
    void nHeaderHeight(int h);
    void lFilterBar(bool on);
    bool lFilterBar() const;
    void lAutoOrder(bool on);
    bool lAutoOrder() const { return m_autoOrder; }
    void SetFilter(int column, const QString& text);  // as if typed in the filter box
    QString Filter(int column) const;
    // As a click on the header: orders by that column, ascending; a second click on the
    // same column turns the order round. Ordering is by number when both texts are numbers.
    void OrderBy(int column);
    int nOrderColumn() const;  // 0 when unordered

    // As the user's double click on a row (1-based), for forms and tests.
    void DblClick(int row, int column = 1);

    BrowseDblClickEvent OnDblClick;
    ChangeEvent OnChange;
    ClickEvent OnClick;
    // The rows shown may be others: rows loaded (SetArray), a filter typed or cleared.
    ChangeEvent OnRowsShown;

    // Columns created in CreateForm (owned by the browse).
    int ColumnCount() const;
    TArrayBrwColumn* Column(int n) const;  // 1-based

  protected:
    explicit TArrayBrowse(QWidget* parent);
    void realise() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Leaves room under the rows for the footer and places it.
    void updateGeometries() override;

  private:
    friend class TArrayBrwColumn;
    friend class TBrwRecSel;
    TArrayBrwColumn* addColumn();
    void columnChanged(int index);
    void setRecSelWidth(int w);
    int recSelWidth() const;
    int columnOf(const QString& header) const;
    void selectSource(int sourceRow);  // 0-based; -1: none; raises nothing
    void notifyChange(bool always);
    int sourceRowOf(const QModelIndex& proxyIndex) const;
    void headerClicked(int section);
    void cellDoubleClicked(const QModelIndex& index);
    void clearFilters();  // raises OnRowsShown when a filter was in force

    ui::BrowseModel* m_model;
    ui::BrowseProxy* m_proxy;
    ui::FilterHeader* m_header;
    ui::FooterRow* m_footer = nullptr;
    std::vector<std::unique_ptr<TArrayBrwColumn>> m_columns;
    std::unique_ptr<TBrwRecSel> m_recSel;
    bool m_autoOrder = false;
    bool m_silent = false;
    int m_lastBookmark = 0;
    bool m_unannounced = false;  // the selected row came from SetArray, without OnChange
    int m_orderColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
