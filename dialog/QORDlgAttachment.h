// Words of the attachment layout: how a side hangs on a tabulation, which
// kind of tabulation, and where an inserted component goes.
#pragma once

// 1/2 near side, 3/4 far side, 5/6 centre; the even value makes the
// tabulation follow the container's size changes.
enum QORDlgAttachment {
  QORDlgTopOrLeft = 1,
  QORDlgTopOrLeftRelative = 2,
  QORDlgRightOrBottom = 3,
  QORDlgRightOrBottomRelative = 4,
  QORDlgCenter = 5,
  QORDlgCenterRelative = 6,
};

// 0: a vertical tabulation (an x position), 1: a horizontal one (a y position).
enum Orientation { Vertical = 0, Horizontal = 1 };

enum InsertionMode { InsertAfter = 0, InsertBefore = 1 };
