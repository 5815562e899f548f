#pragma once

#include <QList>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace views {

/// A read-only table of whole rows, as the overview windows list games and results: the
/// given column headings and widths, no row numbers, the last column taking the spare width.
QTableWidget* MakeListTable(QWidget* parent, const QStringList& headings, const QList<int>& widths);

}  // namespace views
