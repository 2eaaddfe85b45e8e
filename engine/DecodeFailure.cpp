#include "engine/DecodeFailure.h"

#include "engine/ImageDecoder.h"

#include <QCoreApplication>

namespace velmora {
namespace {

QString withPath(QString text, const QString& path)
{
    if (!path.isEmpty())
        text += QStringLiteral("\n") + path;
    return text;
}

} // namespace

Failure CorruptImage(const QString& path, const QString& detail)
{
    QString text =
        QCoreApplication::translate("DecodeFailure", "画像データが壊れているか、途中で切れています。");
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    return Failure(ErrorCode::InvalidPicture, withPath(text, path));
}

Failure UnknownImageFormat(const QString& path)
{
    return Failure(
        ErrorCode::InvalidPicture,
        withPath(QCoreApplication::translate("DecodeFailure", "画像の形式が認識できません。"), path));
}

Failure WrongImageFormat(const QString& path, const QString& format)
{
    return Failure(ErrorCode::InvalidPicture,
                   withPath(QCoreApplication::translate("DecodeFailure",
                                                        "画像の中身が、名前の示す形式 (%1) ではありません。")
                                .arg(format),
                            path));
}

Failure ImageTooLarge(const QString& path, qint64 width, qint64 height)
{
    return Failure(
        ErrorCode::OutOfMemory,
        withPath(QCoreApplication::translate(
                     "DecodeFailure", "画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 万ピクセル、"
                                      "一辺 %4 ピクセルまでです。")
                     .arg(width)
                     .arg(height)
                     .arg(MaxDecodedPixels / 10000)
                     .arg(MaxDecodedSide),
                 path));
}

} // namespace velmora
