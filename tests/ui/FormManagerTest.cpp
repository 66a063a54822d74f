#include "ui/FormManager.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

class CountingForm : public Form {
  public:
    CountingForm() : Form("frmTest", "Test") {}
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    int loads = 0;
    int unloads = 0;
};

TEST(FormManager, ModalContinuationRunsOnceWhenTheDialogCloses) {
    test::RecordingPlatform platform;
    FormManager forms(platform);
    CountingForm form;
    int continued = 0;
    forms.Show(form, Modality::Modal, [&] { ++continued; });
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.IsVisible());
    EXPECT_EQ(continued, 0);
    forms.Hide(form); // a hidden dialog keeps its contents but no longer blocks its caller
    EXPECT_EQ(continued, 1);
    EXPECT_TRUE(form.IsLoaded());
    forms.Show(form, Modality::Modeless);
    EXPECT_EQ(form.loads, 1);
    forms.Unload(form);
    forms.Unload(form);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(continued, 1);
    EXPECT_EQ(platform.events, (std::vector<std::string>{"show modal frmTest", "hide frmTest",
                                                         "show frmTest", "unload frmTest"}));
}

TEST(FormManager, OpenFormsInLoadOrder) {
    test::RecordingPlatform platform;
    FormManager forms(platform);
    CountingForm a;
    CountingForm b;
    forms.EnsureLoaded(b);
    forms.Show(a, Modality::Modeless);
    EXPECT_EQ(forms.OpenForms(), (std::vector<Form*>{&b, &a}));
    EXPECT_FALSE(b.IsVisible());
    forms.Unload(b);
    EXPECT_EQ(forms.OpenForms(), (std::vector<Form*>{&a}));
}

} // namespace
} // namespace dered
