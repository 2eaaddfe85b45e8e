// Creates the control by its identifier, sets a property by name and counts ChangeDirectory.
#include <branchwise/BranchwiseBase.h>
#include <branchwise/ControlFactory.h>
#include <branchwise/FilePropertyBag.h>
#include <branchwise/PropertyPage.h>

#include <QApplication>
#include <QDir>
#include <QVariant>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget* widget = branchwise::CreateControl(QStringLiteral("Branchwise.BranchwiseBase"));
    auto* control = qobject_cast<branchwise::BranchwiseBase*>(widget);
    if (!control)
        return 1;
    int changes = 0;
    QObject::connect(control, &branchwise::BranchwiseBase::ChangeDirectory, [&] { ++changes; });
    const QString folder = QDir::tempPath() + QStringLiteral("/");
    control->setProperty("CurrentDirectory", folder);
    const bool invoked = QMetaObject::invokeMethod(control, "ApInit");
    const QString opened = control->property("CurrentDirectory").toString();
    std::printf("branchwise %s: ApInit %s, %d ChangeDirectory, CurrentDirectory %s\n",
                qPrintable(branchwise::LibraryVersion()), invoked ? "ran" : "missing", changes,
                qPrintable(opened));
    delete control;
    return invoked && changes == 1 && opened == folder ? 0 : 2;
}
