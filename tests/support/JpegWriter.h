#pragma once

#include <QImage>
#include <QString>

// Writes test pictures with libjpeg, in the colour models and modes a user's files may have.
enum class JpegKind { Color, Grayscale, Cmyk, Progressive };
void writeJpeg(const QString& path, const QImage& image, JpegKind kind = JpegKind::Color, int quality = 95);
