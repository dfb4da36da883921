#include <functional>
#include <unordered_map>

#include "skin/data/descriptors.h"

namespace lq {
namespace {

template <class Base>
using Maker = std::function<std::unique_ptr<Base>(const std::string&)>;

template <class Base, class T>
std::pair<const std::string, Maker<Base>> Entry(const char* kind) {
  return {kind, [](const std::string& name) { return std::make_unique<T>(name); }};
}

}  // namespace

std::unique_ptr<LqDataSkinControl> CreateControlDescriptor(const std::string& kind,
                                                           const std::string& name) {
  using B = LqDataSkinControl;
  static const std::unordered_map<std::string, Maker<B>> makers{
      Entry<B, LqDataSkinPanelControl>("panel"),
      Entry<B, LqDataSkinExPanelControl>("expanel"),
      Entry<B, LqDataSkinMenuButtonControl>("menubutton"),
      Entry<B, LqDataSkinButtonControl>("button"),
      Entry<B, LqDataSkinCheckRadioControl>("checkradio"),
      Entry<B, LqDataSkinGaugeControl>("gauge"),
      Entry<B, LqDataSkinSplitterControl>("splitter"),
      Entry<B, LqDataSkinTrackBarControl>("trackbar"),
      Entry<B, LqDataSkinLabelControl>("label"),
      Entry<B, LqDataSkinStdLabelControl>("stdlabel"),
      Entry<B, LqDataSkinUpDownControl>("updown"),
      Entry<B, LqDataSkinGridControl>("grid"),
      Entry<B, LqDataSkinTabControl>("tab"),
      Entry<B, LqDataSkinMainMenuBar>("mainmenubar"),
      Entry<B, LqDataSkinControlBar>("controlbar"),
      Entry<B, LqDataSkinMemoControl>("memo"),
      Entry<B, LqDataSkinEditControl>("edit"),
      Entry<B, LqDataSkinCheckListBox>("checklistbox"),
      Entry<B, LqDataSkinListBox>("listbox"),
      Entry<B, LqDataSkinComboBox>("combobox"),
      Entry<B, LqDataSkinScrollBarControl>("scrollbar"),
      Entry<B, LqDataSkinSpinEditControl>("spinedit"),
      Entry<B, LqDataSkinScrollBoxControl>("scrollbox"),
      Entry<B, LqDataSkinTreeView>("treeview"),
      Entry<B, LqDataSkinBevel>("bevel"),
      Entry<B, LqDataSkinSlider>("slider"),
      Entry<B, LqDataSkinListView>("listview"),
      Entry<B, LqDataSkinRichEdit>("richedit"),
  };
  auto it = makers.find(kind);
  return it == makers.end() ? nullptr : it->second(name);
}

std::unique_ptr<LqDataSkinObject> CreateObjectDescriptor(const std::string& kind,
                                                         const std::string& name) {
  using B = LqDataSkinObject;
  static const std::unordered_map<std::string, Maker<B>> makers{
      Entry<B, LqDataSkinMenuItem>("menuitem"),
      Entry<B, LqDataSkinMainMenuBarItem>("mainmenubaritem"),
      Entry<B, LqDataSkinStdButton>("stdbutton"),
      Entry<B, LqDataSkinMainMenuBarButton>("mainmenubarbutton"),
      Entry<B, LqDataSkinButton>("button"),
      Entry<B, LqDataSkinCaption>("caption"),
      Entry<B, LqDataSkinAnimate>("animate"),
      Entry<B, LqDataUserObject>("userobject"),
  };
  auto it = makers.find(kind);
  return it == makers.end() ? nullptr : it->second(name);
}

}  // namespace lq
