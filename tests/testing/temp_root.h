#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

/// A fresh data root for one test, removed afterwards.
class TempRoot {
  public:
    TempRoot();
    QString path() const { return dir_.path(); }
    QString File(const QString& relative) const { return dir_.path() + "/" + relative; }
    /// Writes raw bytes, creating the folders on the way.
    void Write(const QString& relative, const QByteArray& bytes) const;
    QByteArray Read(const QString& relative) const;

  private:
    QTemporaryDir dir_;
};
