#include "common/runtime_error.h"

#include <QHash>

namespace {

QString standardDescription(int number)
{
    static const QHash<int, QString> descriptions = {
        {ErrorNumber::InvalidCall, QStringLiteral("无效的过程调用或参数")},
        {ErrorNumber::Overflow, QStringLiteral("溢出")},
        {ErrorNumber::SubscriptOutOfRange, QStringLiteral("下标越界")},
        {ErrorNumber::TypeMismatch, QStringLiteral("类型不匹配")},
        {ErrorNumber::BadFileName, QStringLiteral("错误的文件名或号码")},
        {ErrorNumber::FileNotFound, QStringLiteral("文件未找到")},
        {ErrorNumber::DiskFull, QStringLiteral("磁盘已满")},
        {ErrorNumber::PermissionDenied, QStringLiteral("拒绝的权限")},
        {ErrorNumber::PathFileAccess, QStringLiteral("路径/文件访问错误")},
        {ErrorNumber::PathNotFound, QStringLiteral("路径未找到")},
    };
    return descriptions.value(number, QStringLiteral("应用程序定义的错误或对象定义的错误"));
}

} // namespace

RuntimeError::RuntimeError(int number)
    : m_number(number)
    , m_what(message().toStdString())
{
}

QString RuntimeError::description() const
{
    return standardDescription(m_number);
}

QString RuntimeError::message() const
{
    return QStringLiteral("实时错误 '%1':\n\n%2").arg(m_number).arg(description());
}
