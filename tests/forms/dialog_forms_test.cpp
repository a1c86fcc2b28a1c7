// The dialog templates hang together: every control lies inside its dialog,
// every parameter edit exists and stores its own parameter, every picture
// names its own file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "forms/dialog_forms.h"

namespace {

const DlgItem* FindItem(const Form& form, int id)
{
    for (const DlgItem& item : form.items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

TEST(DialogForms, EveryControlLiesInsideItsDialog)
{
    const Form* forms[] = {&kSignalForm,
                           &kLowPassForm.form,
                           &kDecimatorForm.form,
                           &kInterpolatorForm.form,
                           &kConverterForm.form,
                           &kDecimatorDiagramForm,
                           &kInterpolatorDiagramForm,
                           &kConverterDiagramForm,
                           &kAboutForm,
                           &kDesignerForm};
    for (const Form* form : forms) {
        for (const DlgItem& item : form->items) {
            const std::string name =
                std::string(form->caption) + ": " + (item.text != nullptr ? item.text : "?");
            EXPECT_GE(item.box.x, 0) << name;
            EXPECT_GE(item.box.y, 0) << name;
            EXPECT_LE(item.box.x + item.box.w, form->width) << name;
            EXPECT_LE(item.box.y + item.box.h, form->height) << name;
        }
    }
}

TEST(DialogForms, EachParameterDialogStoresItsOwnParametersFromItsEdits)
{
    struct Case {
        const ParamsForm& form;
        std::vector<Param> params;  // in the order the fields are filled
    };
    const Case cases[] = {
        {kLowPassForm, {Param::TransitionWidth, Param::Cutoff}},
        {kDecimatorForm, {Param::TransitionWidth, Param::Cutoff, Param::DecimationFactor}},
        {kInterpolatorForm, {Param::TransitionWidth, Param::Cutoff, Param::InterpolationFactor}},
        {kConverterForm,
         {Param::TransitionWidth, Param::Cutoff, Param::InterpolationFactor,
          Param::DecimationFactor}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form.form.caption);
        std::vector<Param> params;
        std::set<int> edits;
        for (const ParamField& field : c.form.fields) {
            params.push_back(field.param);
            const DlgItem* edit = FindItem(c.form.form, field.editId);
            ASSERT_NE(nullptr, edit) << field.editId;
            EXPECT_EQ(DlgControl::Edit, edit->kind) << field.editId;
            EXPECT_TRUE(edits.insert(field.editId).second) << field.editId << " twice";
        }
        EXPECT_EQ(c.params, params);
        if (c.form.autoWgFactorEdit != 0) {
            EXPECT_TRUE(edits.contains(c.form.autoWgFactorEdit));
        }
    }
}

TEST(DialogForms, EveryPictureNamesItsOwnFileInTheResources)
{
    std::set<std::string> names;
    for (const FormImage image : {FormImage::DecimatorDiagram, FormImage::InterpolatorDiagram,
                                  FormImage::ConverterDiagram, FormImage::AppIcon}) {
        const char* name = ImageFileName(image);
        ASSERT_NE(nullptr, name);
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::path(VORLEN_RESOURCES_DIR) / name))
            << name;
    }
    EXPECT_EQ(nullptr, ImageFileName(FormImage::None));
}
