#include "ui/BrowseModel.h"
#include "ui/Controls.h"
#include "ui/ErrorReport.h"

#include <QApplication>
#include <QScrollBar>

namespace {

// Windows key-state flags of a mouse message.
int keyState() {
    const Qt::KeyboardModifiers mods = QApplication::keyboardModifiers();
    int state = 0;
    if (mods & Qt::ShiftModifier)
        state |= 0x04;
    if (mods & Qt::ControlModifier)
        state |= 0x08;
    return state;
}
}  // namespace

// ---- Columns ----

TArrayBrwColumn* TArrayBrwColumn::New(TArrayBrowse* browse) {
    return browse->addColumn();
}

QString TArrayBrwColumn::cHeader() const {
    return m_browse->m_model->header(m_index - 1);
}
void TArrayBrwColumn::cHeader(const QString& h) {
    m_browse->m_model->setHeader(m_index - 1, h);
}
int TArrayBrwColumn::nWidth() const {
    return m_browse->columnWidth(m_index - 1);
}
void TArrayBrwColumn::nWidth(int w) {
    m_browse->setColumnWidth(m_index - 1, std::max(w, 0));
}
int TArrayBrwColumn::nAlignment() const {
    return m_browse->m_model->alignment(m_index - 1);
}
void TArrayBrwColumn::nAlignment(int a) {
    m_browse->m_model->setAlignment(m_index - 1, a);
}

TBrwRecSel* TBrwRecSel::New(TArrayBrowse* browse) {
    if (!browse->m_recSel) {
        browse->m_recSel.reset(new TBrwRecSel);
        browse->m_recSel->m_browse = browse;
        browse->verticalHeader()->show();
    }
    return browse->m_recSel.get();
}
void TBrwRecSel::nWidth(int w) {
    m_browse->setRecSelWidth(w);
}
int TBrwRecSel::nWidth() const {
    return m_browse->recSelWidth();
}

// ---- TArrayBrowse ----

TArrayBrowse::TArrayBrowse(QWidget* parent)
    : QTableView(parent),
      m_model(new ui::BrowseModel(this)),
      m_proxy(new ui::BrowseProxy(this)),
      m_header(new ui::FilterHeader(this)) {
    m_proxy->setSourceModel(m_model);
    setHorizontalHeader(m_header);
    auto* recSel = new ui::RecSelHeader(this);
    setVerticalHeader(recSel);
    recSel->hide();
    setModel(m_proxy);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is one line high: the view need not measure rows (large tables stay smooth).
    const int rowHeight = fontMetrics().height() + 6;
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setStretchLastSection(false);

    m_header->onFilterEdited = [this](int column, const QString& text) {
        SetFilter(column + 1, text);
    };
    connect(m_header, &QHeaderView::sectionClicked, this,
            [this](int section) { headerClicked(section); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_header,
            [this] { m_header->placeEditors(); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { cellDoubleClicked(index); });
    connect(this, &QAbstractItemView::clicked, this, [this] {
        // The row highlighted by SetArray was never announced: a click on it is its choice.
        if (m_unannounced)
            notifyChange(true);
        ui::Fire(OnClick, static_cast<TControl*>(this));
    });
}

TArrayBrowse::~TArrayBrowse() = default;

TArrayBrowse* TArrayBrowse::New(QWidget* parent) {
    return new TArrayBrowse(parent);
}
QWidget* TArrayBrowse::widget() const {
    return const_cast<TArrayBrowse*>(this);
}

void TArrayBrowse::realise() {
    setShowGrid(nRowDividerStyle != 0);
    setGridStyle(Qt::SolidLine);
}

TArrayBrwColumn* TArrayBrowse::addColumn() {
    m_model->addColumn();
    auto column = std::make_unique<TArrayBrwColumn>();
    column->m_browse = this;
    column->m_index = static_cast<int>(m_columns.size()) + 1;
    m_columns.push_back(std::move(column));
    setColumnWidth(m_columns.back()->m_index - 1, 100);
    return m_columns.back().get();
}

int TArrayBrowse::ColumnCount() const {
    return static_cast<int>(m_columns.size());
}

TArrayBrwColumn* TArrayBrowse::Column(int n) const {
    if (n < 1 || n > ColumnCount())
        return nullptr;
    return m_columns[static_cast<size_t>(n - 1)].get();
}

void TArrayBrowse::setRecSelWidth(int w) {
    static_cast<ui::RecSelHeader*>(verticalHeader())->setSelectorWidth(w);
}
int TArrayBrowse::recSelWidth() const {
    return static_cast<ui::RecSelHeader*>(verticalHeader())->selectorWidth();
}

void TArrayBrowse::SetArray(const Rows& rows, const QStringList& headers, bool autoColumns) {
    m_silent = true;
    if (m_columns.empty()) {
        // A browse without predefined columns shows every element of the first row.
        const qsizetype n = std::max(rows.isEmpty() ? 0 : rows.first().size(), headers.size());
        for (qsizetype i = 0; i < n; ++i)
            addColumn();
        if (autoColumns && n > 0)
            m_autoOrder = true;
    }
    for (int i = 0; i < std::min(static_cast<int>(headers.size()), ColumnCount()); ++i)
        m_model->setHeader(i, headers.at(i));

    m_proxy->clearFilters();
    m_header->clearFilters();
    m_orderColumn = -1;
    m_proxy->sort(-1);
    m_header->setSortIndicatorShown(false);

    m_model->setRows(rows);
    selectSource(rows.isEmpty() ? -1 : 0);
    scrollToTop();
    m_lastBookmark = Bookmark();
    m_unannounced = m_lastBookmark > 0;
    m_silent = false;
    viewport()->update();
    ui::Fire(OnRowsShown, static_cast<TControl*>(this));
}

const TArrayBrowse::Rows& TArrayBrowse::aArrayData() const {
    return m_model->rows();
}

int TArrayBrowse::sourceRowOf(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid())
        return -1;
    return m_proxy->mapToSource(proxyIndex).row();
}

int TArrayBrowse::Bookmark() const {
    return sourceRowOf(currentIndex()) + 1;
}

int TArrayBrowse::nLen() const {
    return static_cast<int>(m_model->rows().size());
}
int TArrayBrowse::nVisibleRows() const {
    return m_proxy->rowCount();
}

QList<int> TArrayBrowse::VisibleRows() const {
    QList<int> rows;
    for (int i = 0; i < m_proxy->rowCount(); ++i)
        rows << m_proxy->mapToSource(m_proxy->index(i, 0)).row() + 1;
    return rows;
}

void TArrayBrowse::SetFooter(const QStringList& texts) {
    if (texts.isEmpty()) {
        delete m_footer;
        m_footer = nullptr;
        setViewportMargins(viewportMargins().left(), viewportMargins().top(), 0, 0);
        updateGeometries();
        return;
    }
    if (!m_footer) {
        m_footer = new ui::FooterRow(this, m_model);
        m_footer->show();
        updateGeometries();
    }
    m_footer->setTexts(texts);
}

QStringList TArrayBrowse::Footer() const {
    return m_footer ? m_footer->texts() : QStringList();
}

void TArrayBrowse::updateGeometries() {
    QTableView::updateGeometries();
    if (!m_footer)
        return;
    const int height = verticalHeader()->defaultSectionSize();
    const QMargins m = viewportMargins();
    if (m.bottom() != height)
        setViewportMargins(m.left(), m.top(), m.right(), height);
    const QRect vp = viewport()->geometry();
    m_footer->setGeometry(frameWidth(), vp.bottom() + 1, vp.right() + 1 - frameWidth(), height);
}

void TArrayBrowse::clearFilters() {
    const bool had = m_proxy->hasFilters();
    m_proxy->clearFilters();
    m_header->clearFilters();
    if (had)
        ui::Fire(OnRowsShown, static_cast<TControl*>(this));
}

QString TArrayBrowse::GetValue(int column) const {
    const int row = Bookmark();
    if (row < 1)
        return {};
    return m_model->rows().at(row - 1).value(column - 1);
}

int TArrayBrowse::columnOf(const QString& header) const {
    for (int i = 0; i < ColumnCount(); ++i)
        if (m_model->header(i) == header)
            return i + 1;
    for (int i = 0; i < ColumnCount(); ++i)
        if (m_model->header(i).trimmed().compare(header.trimmed(), Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

QString TArrayBrowse::GetValue(const QString& header) const {
    const int column = columnOf(header);
    return column > 0 ? GetValue(column) : QString();
}

QString TArrayBrowse::GetValue(const TArrayBrwColumn* column) const {
    return column && column->m_browse == this ? GetValue(column->m_index) : QString();
}

void TArrayBrowse::selectSource(int sourceRow) {
    const bool wasSilent = m_silent;
    m_silent = true;
    if (sourceRow < 0 || sourceRow >= nLen() || m_model->columnCount() == 0) {
        selectionModel()->clearCurrentIndex();
        selectionModel()->clearSelection();
    } else {
        const QModelIndex at = m_proxy->mapFromSource(m_model->index(sourceRow, 0));
        if (at.isValid()) {
            selectionModel()->setCurrentIndex(
                at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            scrollTo(at);
        }
    }
    m_silent = wasSilent;
    verticalHeader()->viewport()->update();
}

void TArrayBrowse::GoTo(int row) {
    if (nLen() == 0)
        return;
    row = std::clamp(row, 1, nLen());
    // A row hidden by the filter bar must be shown to be selected.
    if (!m_proxy->mapFromSource(m_model->index(row - 1, 0)).isValid())
        clearFilters();
    selectSource(row - 1);
    notifyChange(true);
}

void TArrayBrowse::Refresh() {
    viewport()->update();
    verticalHeader()->viewport()->update();
    m_header->viewport()->update();
}

void TArrayBrowse::nHeaderHeight(int h) {
    m_header->setSectionHeight(h);
}
void TArrayBrowse::lFilterBar(bool on) {
    m_header->setFilterBar(on);
}
bool TArrayBrowse::lFilterBar() const {
    return m_header->filterBar();
}
void TArrayBrowse::lAutoOrder(bool on) {
    m_autoOrder = on;
}

void TArrayBrowse::SetFilter(int column, const QString& text) {
    if (column < 1 || column > ColumnCount())
        return;
    m_header->showFilter(column - 1, text);
    m_proxy->setFilter(column - 1, text);
    // The selected row may have been filtered out: the first row left takes its place.
    if (!currentIndex().isValid() && m_proxy->rowCount() > 0) {
        selectionModel()->setCurrentIndex(
            m_proxy->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else if (currentIndex().isValid()) {
        scrollTo(currentIndex());
    }
    if (!m_silent)
        notifyChange(false);
    ui::Fire(OnRowsShown, static_cast<TControl*>(this));
}

QString TArrayBrowse::Filter(int column) const {
    return m_proxy->filter(column - 1);
}

void TArrayBrowse::OrderBy(int column) {
    if (column < 1 || column > ColumnCount())
        return;
    if (m_orderColumn == column - 1)
        m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        m_order = Qt::AscendingOrder;
    m_orderColumn = column - 1;
    m_proxy->sort(m_orderColumn, m_order);
    m_header->setSortIndicatorShown(true);
    m_header->setSortIndicator(m_orderColumn, m_order);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    verticalHeader()->viewport()->update();
}

int TArrayBrowse::nOrderColumn() const {
    return m_orderColumn + 1;
}

void TArrayBrowse::headerClicked(int section) {
    if (m_autoOrder)
        OrderBy(section + 1);
}

void TArrayBrowse::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    verticalHeader()->viewport()->update();
    if (!m_silent)
        notifyChange(false);
}

// Raises OnChange when the selected row is another than the last one announced (always:
// also when it is the same). Losing the selection altogether is not announced.
void TArrayBrowse::notifyChange(bool always) {
    const int now = Bookmark();
    const bool changed = now != m_lastBookmark;
    m_lastBookmark = now;
    if (now == 0 || (!always && !changed))
        return;
    m_unannounced = false;
    ui::Fire(OnChange, static_cast<TControl*>(this));
}

void TArrayBrowse::cellDoubleClicked(const QModelIndex& index) {
    if (!index.isValid())
        return;
    ui::Fire(OnDblClick, static_cast<TControl*>(this), keyState(), index.column() + 1,
             sourceRowOf(index) + 1);
}

void TArrayBrowse::DblClick(int row, int column) {
    if (row < 1 || row > nLen())
        return;
    if (!m_proxy->mapFromSource(m_model->index(row - 1, 0)).isValid())
        clearFilters();
    selectSource(row - 1);
    notifyChange(false);
    ui::Fire(OnDblClick, static_cast<TControl*>(this), 0, column, row);
}
