#pragma once

#include "common/cp932_codec.h"

#include <QString>

namespace store {

/// A data file as the text window shows it: CP932, or UTF-8 when the player saved it so from
/// another editor (common::DecodeTextFile decides), CR LF turned into line breaks.
/// False when the file cannot be read; `found` gets the encoding read.
bool LoadEditedText(const QString& path, QString& text, common::TextEncoding* found = nullptr);
/// The bytes the file gets back: CP932 with CR LF, so an unchanged text saves byte for byte.
QByteArray EditedTextBytes(const QString& text);
/// Replaces the file by the text atomically; the old file stays whole when this fails.
bool SaveEditedText(const QString& path, const QString& text);

}  // namespace store
