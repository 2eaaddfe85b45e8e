#pragma once
// The run-time error every routine raises and the uniform handler reports.
#include <QCoreApplication>
#include <QString>

#include <exception>

class QFileDevice;

namespace velmora {

// Error numbers that handlers tell apart. The numbering is the classic runtime's, which the
// start-up handler's silent cases (35600, 35601) and the list messages (381) are written against.
enum class ErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPropertyArrayIndex = 381,
    NotAvailableAtDesignTime = 382,
    InvalidPicture = 481,
    IndexOutOfBounds = 35600,
    ElementNotFound = 35601,
};

// What a failed system call was doing; it decides the words of the message ("cannot read",
// "cannot write", "folder not found").
enum class FileAccess { Read, Write, ListFolder };

class Failure : public std::exception {
    Q_DECLARE_TR_FUNCTIONS(Failure)

public:
    Failure(ErrorCode code, QString text);

    ErrorCode code() const { return m_code; }
    // The text shown to the user, in the interface's language when the failure was made.
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    // The standard text of a code, without details.
    static QString standardText(ErrorCode code);
    // A failure of a file operation, from the device's error and the current errno.
    static Failure fromFile(const QFileDevice& file, const QString& path,
                            FileAccess access = FileAccess::Write);
    static Failure fromErrno(int error, const QString& path, FileAccess access = FileAccess::Write);

private:
    ErrorCode m_code;
    QString m_text;
    QByteArray m_utf8;
};

} // namespace velmora
