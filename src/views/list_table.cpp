#include "views/list_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace views {

QTableWidget* MakeListTable(QWidget* parent, const QStringList& headings,
                            const QList<int>& widths) {
    auto* table = new QTableWidget(parent);
    table->setColumnCount(int(headings.size()));
    table->setHorizontalHeaderLabels(headings);
    for (int c = 0; c < int(widths.size()) && c < table->columnCount(); ++c)
        table->setColumnWidth(c, widths[c]);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    return table;
}

}  // namespace views
