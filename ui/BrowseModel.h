#pragma once

// Item models and headers behind TArrayBrowse: the rows as loaded (BrowseModel), the
// filtered and ordered view of them (BrowseProxy), the column header with its row of filter
// boxes (FilterHeader), the record selector (RecSelHeader) and the fixed row under the rows
// (FooterRow).

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <vector>

namespace ui {

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using Rows = QList<QStringList>;
    explicit BrowseModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const Rows& rows() const { return m_rows; }
    void setRows(const Rows& rows);
    void addColumn();
    QString header(int column) const;
    void setHeader(int column, const QString& text);
    int alignment(int column) const;
    void setAlignment(int column, int alignment);

  private:
    struct Column {
        QString header;
        int alignment = 0;
    };
    Rows m_rows;
    std::vector<Column> m_columns;
};

// Rows that contain every filter text of their columns (letter case ignored), ordered by
// one column: by number when both texts are numbers, else by text ignoring letter case.
class BrowseProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit BrowseProxy(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
    void setSourceModel(QAbstractItemModel* model) override;
    // Orders by `column` (-1: the loaded order). The sort keys of the column are worked out
    // once per ordering, not once per comparison.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void setFilter(int column, const QString& text);
    QString filter(int column) const;
    void clearFilters();
    bool hasFilters() const;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    struct SortKey {
        bool number = false;
        double value = 0;
        QString folded;  // letter case folded
    };
    static SortKey keyOf(const QString& text);
    static bool less(const SortKey& a, const SortKey& b);

    QStringList m_filters;
    std::vector<SortKey> m_keys;  // by source row, for m_keyColumn
    int m_keyColumn = -1;
};

// Horizontal header with an optional row of filter boxes under the captions.
class FilterHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit FilterHeader(QWidget* parent);

    void setFilterBar(bool on);
    bool filterBar() const { return m_filterBar; }
    void setSectionHeight(int h);  // 0: as tall as the captions need
    // Shows a filter text without announcing it.
    void showFilter(int column, const QString& text);
    void clearFilters();
    // Called with the column (0-based) and text whenever the user edits a filter box.
    std::function<void(int, const QString&)> onFilterEdited;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Lays the filter boxes under their columns (after a resize or a horizontal scroll).
    void placeEditors();

  protected:
    void updateGeometries() override;
    // The down arrow in a filter box goes on to the rows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void syncEditors();
    int editorHeight() const;

    bool m_filterBar = false;
    int m_sectionHeight = 0;
    std::vector<QLineEdit*> m_editors;  // owned by the header (Qt children)
};

// Vertical header drawn as a record selector: no numbers, a marker at the current row.
class RecSelHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit RecSelHeader(QWidget* parent);
    void setSelectorWidth(int w);
    int selectorWidth() const { return m_width; }
    QSize sizeHint() const override;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    int m_width = 12;
};

// A fixed row under the rows of a view (totals and the like): one text under each column,
// aligned as the column's cells, in bold, following the columns' widths and the horizontal
// scroll. The view places it (TArrayBrowse::updateGeometries).
class FooterRow : public QWidget {
    Q_OBJECT
  public:
    FooterRow(QTableView* view, const BrowseModel* model);
    void setTexts(const QStringList& texts);
    const QStringList& texts() const { return m_texts; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTableView* m_view;
    const BrowseModel* m_model;
    QStringList m_texts;
};

}  // namespace ui
