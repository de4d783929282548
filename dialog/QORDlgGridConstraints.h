// Where a child sits on its father's grid: first row and column, spans and
// the justification inside the covered cells.
#pragma once

enum : unsigned int {
  QORDlgGridLeft = 0x02,
  QORDlgGridRight = 0x04,
  QORDlgGridTop = 0x08,
  QORDlgGridBottom = 0x10,
  QORDlgGridHCenter = 0x20,
  QORDlgGridVCenter = 0x40,
};

class QORDlgGridConstraints {
 public:
  QORDlgGridConstraints() = default;
  QORDlgGridConstraints(const QORDlgGridConstraints&) = default;
  QORDlgGridConstraints& operator=(const QORDlgGridConstraints&) = default;
  // Row before column, the reverse of the field order.
  QORDlgGridConstraints(short row, short column, short columnSpan, short rowSpan, unsigned int justification)
      : Column(column), Row(row), ColumnSpan(columnSpan), RowSpan(rowSpan), Justification(justification) {}

  short Column = 0;
  short Row = 0;
  short ColumnSpan = 1;
  short RowSpan = 1;
  unsigned int Justification = QORDlgGridLeft | QORDlgGridTop;
};
