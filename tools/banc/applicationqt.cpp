#include "tools/banc/applicationqt.h"

#include <QGuiApplication>

#include <memory>

void assurerApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char nom[] = "calvane-banc";
    static char* argv[] = {nom, nullptr};
    static const auto application = std::make_unique<QGuiApplication>(argc, argv);
}
