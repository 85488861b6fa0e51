// Picture files as the picture boxes show them. A unit sprite is a plain
// colour JPEG: libjpeg reads it from the file's bytes, giving Qt's own pixels,
// without Qt's image plugins, whose loading cost more than the decoding at
// start-up. Every other file (other formats, grey or CMYK JPEGs, files over
// 16 MiB, pictures above Qt's allocation limit, files libjpeg fails on) goes
// through Qt's readers.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace gs::qt {

// The picture's size; empty when the file holds no picture that can be read.
QSize pictureFileSize(const QString& path);
// The whole picture; null when the file holds none that can be read.
QImage readPictureFile(const QString& path);

}  // namespace gs::qt
