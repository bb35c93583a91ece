// Les tests de dessin peignent sur des QImage : les polices exigent une application Qt, créée
// une fois pour tout le programme de tests, sur la plateforme hors écran.

#include "core/clelien.h"
#include "display/texte/textemarque.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EnvironnementQt : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        installerResolveurCles(&identifiantDeCle);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char nom_[16] = "tests_affichage";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

const auto* const inscrit = testing::AddGlobalTestEnvironment(new EnvironnementQt);

} // namespace
