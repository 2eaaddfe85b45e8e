// The texts of system failures say what was being done: reading, writing or listing a folder.
#include "core/Failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

using namespace velmora;

namespace {

struct Case {
    const char* name;
    int error;
    FileAccess access;
    ErrorCode code;
    const char16_t* text;
};

class FailureText : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(FailureText, NamesWhatFailedAndWhere)
{
    const Case& c = GetParam();
    const QString path = QStringLiteral("/home/ann/写真/");
    const Failure failure = Failure::fromErrno(c.error, path, c.access);
    EXPECT_EQ(failure.code(), c.code);
    EXPECT_TRUE(failure.text().startsWith(QString::fromUtf16(c.text))) << failure.text().toStdString();
    EXPECT_TRUE(failure.text().endsWith(u'\n' + path)) << failure.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FailureText,
    ::testing::Values(Case{"ListingRefused", EACCES, FileAccess::ListFolder, ErrorCode::PermissionDenied,
                           u"フォルダを読み込めません。アクセスが拒否されました。"},
                      Case{"ListingMissing", ENOENT, FileAccess::ListFolder, ErrorCode::PathNotFound,
                           u"フォルダが見つかりません。"},
                      Case{"ListingNotAFolder", ENOTDIR, FileAccess::ListFolder, ErrorCode::PathNotFound,
                           u"フォルダが見つかりません。"},
                      Case{"ListingOther", EIO, FileAccess::ListFolder, ErrorCode::PathFileAccess,
                           u"フォルダを読み込めません。"},
                      Case{"ReadingRefused", EACCES, FileAccess::Read, ErrorCode::PermissionDenied,
                           u"読み込みできません。アクセスが拒否されました。"},
                      Case{"ReadingMissing", ENOENT, FileAccess::Read, ErrorCode::FileNotFound,
                           u"ファイルが見つかりません。"},
                      Case{"WritingRefused", EACCES, FileAccess::Write, ErrorCode::PermissionDenied,
                           u"書き込みできません。アクセスが拒否されました。"},
                      Case{"WritingDiskFull", ENOSPC, FileAccess::Write, ErrorCode::DiskFull,
                           u"ディスクの空き容量が不足しています。"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
