// Les tests de la fenêtre créent des widgets : une QApplication, une seule pour tout le
// programme de tests, sur la plateforme hors écran.

#include "core/clelien.h"
#include "display/texte/textemarque.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EnvironnementWidgets : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QApplication>(argc_, argv_);
        installerResolveurCles(&identifiantDeCle);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char nom_[16] = "tests_fenetre";
    char* argv_[2] = {nom_, nullptr};
    std::unique_ptr<QApplication> application_;
};

const auto* const inscrit = testing::AddGlobalTestEnvironment(new EnvironnementWidgets);

} // namespace
