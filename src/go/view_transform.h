#pragma once

#include <QStringList>

namespace go {

inline constexpr int kTransformCount = 8;

/// The entries of the transform list, index 0 "原型" (as recorded) to 7.
QStringList TransformNames();
/// Turns a stored point into its image under transform `index` (0 leaves it as it is).
void TransformPoint(int index, qint16& x, qint16& y);

}  // namespace go
