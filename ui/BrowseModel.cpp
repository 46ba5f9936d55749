#include "ui/BrowseModel.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

namespace ui {

namespace {
Qt::Alignment cellAlignment(int a) {
    switch (a) {
        case 1:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case 2:
        case 66:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

Qt::Alignment headerAlignment(int a) {
    switch (a) {
        case 1:
        case 66:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case 2:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
// The table lays its headers out anew (it takes their new sizes).
void relayoutView(QWidget* w) {
    if (auto* view = qobject_cast<QAbstractItemView*>(w))
        view->doItemsLayout();
}
}  // namespace

// ---- BrowseModel ----

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return m_rows.at(index.row()).value(index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(cellAlignment(alignment(index.column())));
        default:
            return {};
    }
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return header(section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(headerAlignment(alignment(section)));
        default:
            return {};
    }
}

void BrowseModel::setRows(const Rows& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void BrowseModel::addColumn() {
    const int n = columnCount();
    beginInsertColumns({}, n, n);
    m_columns.push_back({});
    endInsertColumns();
}

QString BrowseModel::header(int column) const {
    if (column < 0 || column >= columnCount())
        return {};
    return m_columns[static_cast<size_t>(column)].header;
}

void BrowseModel::setHeader(int column, const QString& text) {
    if (column < 0 || column >= columnCount())
        return;
    m_columns[static_cast<size_t>(column)].header = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

int BrowseModel::alignment(int column) const {
    if (column < 0 || column >= columnCount())
        return 0;
    return m_columns[static_cast<size_t>(column)].alignment;
}

void BrowseModel::setAlignment(int column, int alignment) {
    if (column < 0 || column >= columnCount())
        return;
    m_columns[static_cast<size_t>(column)].alignment = alignment;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column),
                           {Qt::TextAlignmentRole});
}

// ---- BrowseProxy ----

void BrowseProxy::setFilter(int column, const QString& text) {
    if (column < 0)
        return;
    while (m_filters.size() <= column)
        m_filters << QString();
    if (m_filters[column] == text)
        return;
    m_filters[column] = text;
    invalidateFilter();
}

QString BrowseProxy::filter(int column) const {
    return m_filters.value(column);
}

void BrowseProxy::clearFilters() {
    if (!hasFilters()) {
        m_filters.clear();
        return;
    }
    m_filters.clear();
    invalidateFilter();
}

bool BrowseProxy::hasFilters() const {
    for (const QString& f : m_filters)
        if (!f.isEmpty())
            return true;
    return false;
}

bool BrowseProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid())
        return false;
    const auto* model = static_cast<const BrowseModel*>(sourceModel());
    const QStringList& row = model->rows().at(sourceRow);
    for (int c = 0; c < m_filters.size(); ++c) {
        const QString& f = m_filters.at(c);
        if (!f.isEmpty() && !row.value(c).contains(f, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

BrowseProxy::SortKey BrowseProxy::keyOf(const QString& text) {
    SortKey key;
    const QString trimmed = text.trimmed();
    key.value = trimmed.toDouble(&key.number);
    if (!key.number)
        key.folded = trimmed.toCaseFolded();
    return key;
}

// Numbers by value and before texts; texts ignoring letter case.
bool BrowseProxy::less(const SortKey& a, const SortKey& b) {
    if (a.number && b.number)
        return a.value < b.value;
    if (a.number != b.number)
        return a.number;
    return a.folded < b.folded;
}

void BrowseProxy::setSourceModel(QAbstractItemModel* model) {
    QSortFilterProxyModel::setSourceModel(model);
    // New rows: the keys of the old ones are of no use.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_keys.clear();
        m_keyColumn = -1;
    });
}

void BrowseProxy::sort(int column, Qt::SortOrder order) {
    const auto* model = static_cast<const BrowseModel*>(sourceModel());
    m_keys.clear();
    m_keyColumn = -1;
    if (model && column >= 0) {
        m_keys.reserve(static_cast<size_t>(model->rows().size()));
        for (const QStringList& row : model->rows())
            m_keys.push_back(keyOf(row.value(column)));
        m_keyColumn = column;
    }
    QSortFilterProxyModel::sort(column, order);
}

bool BrowseProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const auto rows = static_cast<int>(m_keys.size());
    if (left.column() == m_keyColumn && left.row() < rows && right.row() < rows)
        return less(m_keys[static_cast<size_t>(left.row())],
                    m_keys[static_cast<size_t>(right.row())]);
    const auto* model = static_cast<const BrowseModel*>(sourceModel());
    return less(keyOf(model->rows().at(left.row()).value(left.column())),
                keyOf(model->rows().at(right.row()).value(right.column())));
}

// ---- FilterHeader ----

FilterHeader::FilterHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QHeaderView::sectionResized, this, [this] { placeEditors(); });
    connect(this, &QHeaderView::sectionMoved, this, [this] { placeEditors(); });
    connect(this, &QHeaderView::sectionCountChanged, this, [this] {
        syncEditors();
        placeEditors();
    });
}

int FilterHeader::editorHeight() const {
    return m_filterBar ? fontMetrics().height() + 8 : 0;
}

QSize FilterHeader::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    if (m_sectionHeight > 0)
        s.setHeight(m_sectionHeight);
    s.setHeight(s.height() + editorHeight());
    return s;
}

void FilterHeader::setFilterBar(bool on) {
    if (m_filterBar == on)
        return;
    m_filterBar = on;
    syncEditors();
    updateGeometries();
    relayoutView(parentWidget());
}

void FilterHeader::setSectionHeight(int h) {
    m_sectionHeight = std::max(h, 0);
    updateGeometries();
    relayoutView(parentWidget());
}

void FilterHeader::showFilter(int column, const QString& text) {
    syncEditors();
    if (column < 0 || column >= static_cast<int>(m_editors.size()))
        return;
    QLineEdit* editor = m_editors[static_cast<size_t>(column)];
    const QSignalBlocker block(editor);
    editor->setText(text);
}

void FilterHeader::clearFilters() {
    for (QLineEdit* editor : m_editors) {
        const QSignalBlocker block(editor);
        editor->clear();
    }
}

void FilterHeader::updateGeometries() {
    setViewportMargins(0, 0, 0, editorHeight());
    QHeaderView::updateGeometries();
    placeEditors();
}

bool FilterHeader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && parentWidget()) {
        parentWidget()->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QHeaderView::eventFilter(watched, event);
}

void FilterHeader::syncEditors() {
    const int wanted = m_filterBar ? count() : 0;
    while (static_cast<int>(m_editors.size()) > wanted) {
        delete m_editors.back();
        m_editors.pop_back();
    }
    while (static_cast<int>(m_editors.size()) < wanted) {
        const int column = static_cast<int>(m_editors.size());
        auto* editor = new QLineEdit(this);
        editor->installEventFilter(this);
        editor->setPlaceholderText(tr("Filtrar"));
        editor->setClearButtonEnabled(true);
        editor->setFrame(true);
        connect(editor, &QLineEdit::textChanged, this, [this, column](const QString& text) {
            if (onFilterEdited)
                onFilterEdited(column, text);
        });
        m_editors.push_back(editor);
    }
}

void FilterHeader::placeEditors() {
    if (!m_filterBar)
        return;
    syncEditors();
    const int h = editorHeight();
    const int top = height() - h;
    for (int i = 0; i < static_cast<int>(m_editors.size()); ++i) {
        QLineEdit* editor = m_editors[static_cast<size_t>(i)];
        if (isSectionHidden(i)) {
            editor->hide();
            continue;
        }
        editor->setGeometry(sectionViewportPosition(i), top, sectionSize(i), h);
        editor->show();
    }
}

// ---- RecSelHeader ----

RecSelHeader::RecSelHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

void RecSelHeader::setSelectorWidth(int w) {
    m_width = std::max(w, 6);
    updateGeometry();
    relayoutView(parentWidget());
}

QSize RecSelHeader::sizeHint() const {
    return {m_width, QHeaderView::sizeHint().height()};
}

void RecSelHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    // The style leaves the painter clipped to the (empty) caption: keep our own state.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
    if (!view || view->currentIndex().row() != logicalIndex)
        return;
    // A small solid triangle pointing at the selected row.
    const int size = std::min(rect.width() - 4, rect.height() - 6);
    if (size < 3)
        return;
    const QPointF c = QRectF(rect).center();
    QPainterPath marker;
    marker.moveTo(c.x() - size / 4.0, c.y() - size / 2.0);
    marker.lineTo(c.x() + size / 4.0 + 1, c.y());
    marker.lineTo(c.x() - size / 4.0, c.y() + size / 2.0);
    marker.closeSubpath();
    painter->save();
    painter->setClipRect(rect);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(marker, palette().color(QPalette::WindowText));
    painter->restore();
}

// ---- FooterRow ----

FooterRow::FooterRow(QTableView* view, const BrowseModel* model)
    : QWidget(view), m_view(view), m_model(model) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
}

void FooterRow::setTexts(const QStringList& texts) {
    m_texts = texts;
    update();
}

void FooterRow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    p.setPen(palette().color(QPalette::ButtonText));
    // Columns as the viewport lays them out; nothing over the record selector.
    const int origin = m_view->viewport()->geometry().x() - geometry().x();
    p.setClipRect(QRect(origin, 0, width() - origin, height()));
    for (int c = 0; c < m_texts.size() && c < m_model->columnCount(); ++c) {
        if (m_view->isColumnHidden(c))
            continue;
        const QRect cell(origin + m_view->columnViewportPosition(c), 0, m_view->columnWidth(c),
                         height());
        p.drawText(cell.adjusted(4, 0, -4, 0), int(cellAlignment(m_model->alignment(c))),
                   m_texts.at(c));
    }
}

}  // namespace ui
