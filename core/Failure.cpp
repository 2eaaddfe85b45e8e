#include "core/Failure.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace velmora {

Failure::Failure(ErrorCode code, QString text)
    : m_code(code)
    , m_text(std::move(text))
    , m_utf8(m_text.toUtf8())
{}

QString Failure::standardText(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidCall: return tr("プロシージャの呼び出しが不正です。");
    case ErrorCode::Overflow: return tr("オーバーフローしました。");
    case ErrorCode::OutOfMemory: return tr("メモリが不足しています。");
    case ErrorCode::SubscriptOutOfRange: return tr("インデックスが有効範囲にありません。");
    case ErrorCode::TypeMismatch: return tr("型が一致しません。");
    case ErrorCode::FileNotFound: return tr("ファイルが見つかりません。");
    case ErrorCode::DiskFull: return tr("ディスクの空き容量が不足しています。");
    case ErrorCode::PermissionDenied: return tr("書き込みできません。アクセスが拒否されました。");
    case ErrorCode::PathFileAccess: return tr("パス名またはファイル名が無効です。");
    case ErrorCode::PathNotFound: return tr("パスが見つかりません。");
    case ErrorCode::InvalidPropertyArrayIndex: return tr("プロパティ配列のインデックスが無効です。");
    case ErrorCode::NotAvailableAtDesignTime: return tr("デザイン時には設定できません。");
    case ErrorCode::InvalidPicture: return tr("画像が無効です。");
    case ErrorCode::IndexOutOfBounds: return tr("インデックスが範囲を超えています。");
    case ErrorCode::ElementNotFound: return tr("要素が見つかりません。");
    }
    return tr("エラーが発生しました。");
}

namespace {

// The standard text, worded for what was being done where the standard one would mislead (its
// "permission denied" speaks of writing).
QString accessText(ErrorCode code, FileAccess access)
{
    if (access == FileAccess::ListFolder) {
        switch (code) {
        case ErrorCode::PermissionDenied:
            return Failure::tr("フォルダを読み込めません。アクセスが拒否されました。");
        case ErrorCode::PathNotFound: return Failure::tr("フォルダが見つかりません。");
        case ErrorCode::PathFileAccess: return Failure::tr("フォルダを読み込めません。");
        default: break;
        }
    }
    if (access == FileAccess::Read && code == ErrorCode::PermissionDenied)
        return Failure::tr("読み込みできません。アクセスが拒否されました。");
    return Failure::standardText(code);
}

} // namespace

Failure Failure::fromErrno(int error, const QString& path, FileAccess access)
{
    ErrorCode code = ErrorCode::PathFileAccess;
    switch (error) {
    case ENOENT: code = ErrorCode::FileNotFound; break;
    case ENOTDIR: code = ErrorCode::PathNotFound; break;
    case EACCES:
    case EPERM:
    case EROFS: code = ErrorCode::PermissionDenied; break;
    case ENOSPC:
    case EDQUOT: code = ErrorCode::DiskFull; break;
    case ENOMEM: code = ErrorCode::OutOfMemory; break;
    default: break;
    }
    if (access == FileAccess::ListFolder && code == ErrorCode::FileNotFound)
        code = ErrorCode::PathNotFound;
    QString text = accessText(code, access);
    if (code == ErrorCode::PathFileAccess && error != 0)
        text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
    if (!path.isEmpty())
        text += QStringLiteral("\n%1").arg(path);
    return Failure(code, text);
}

Failure Failure::fromFile(const QFileDevice& file, const QString& path, FileAccess access)
{
    // Callers clear errno before the operation, so a set errno names the cause precisely.
    const int saved = errno;
    if (saved != 0)
        return fromErrno(saved, path, access);
    QString text = standardText(ErrorCode::PathFileAccess);
    if (!file.errorString().isEmpty())
        text += QStringLiteral(" (%1)").arg(file.errorString());
    if (!path.isEmpty())
        text += QStringLiteral("\n%1").arg(path);
    return Failure(ErrorCode::PathFileAccess, text);
}

} // namespace velmora
