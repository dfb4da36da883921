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

std::unique_ptr<TlqDataSkinControl> CreateControlDescriptor(const std::string& kind,
                                                            const std::string& name) {
  using B = TlqDataSkinControl;
  static const std::unordered_map<std::string, Maker<B>> makers{
      Entry<B, TlqDataSkinPanelControl>("panel"),
      Entry<B, TlqDataSkinExPanelControl>("expanel"),
      Entry<B, TlqDataSkinMenuButtonControl>("menubutton"),
      Entry<B, TlqDataSkinButtonControl>("button"),
      Entry<B, TlqDataSkinCheckRadioControl>("checkradio"),
      Entry<B, TlqDataSkinGaugeControl>("gauge"),
      Entry<B, TlqDataSkinSplitterControl>("splitter"),
      Entry<B, TlqDataSkinTrackBarControl>("trackbar"),
      Entry<B, TlqDataSkinLabelControl>("label"),
      Entry<B, TlqDataSkinStdLabelControl>("stdlabel"),
      Entry<B, TlqDataSkinUpDownControl>("updown"),
      Entry<B, TlqDataSkinGridControl>("grid"),
      Entry<B, TlqDataSkinTabControl>("tab"),
      Entry<B, TlqDataSkinMainMenuBar>("mainmenubar"),
      Entry<B, TlqDataSkinControlBar>("controlbar"),
      Entry<B, TlqDataSkinMemoControl>("memo"),
      Entry<B, TlqDataSkinEditControl>("edit"),
      Entry<B, TlqDataSkinCheckListBox>("checklistbox"),
      Entry<B, TlqDataSkinListBox>("listbox"),
      Entry<B, TlqDataSkinComboBox>("combobox"),
      Entry<B, TlqDataSkinScrollBarControl>("scrollbar"),
      Entry<B, TlqDataSkinSpinEditControl>("spinedit"),
      Entry<B, TlqDataSkinScrollBoxControl>("scrollbox"),
      Entry<B, TlqDataSkinTreeView>("treeview"),
      Entry<B, TlqDataSkinBevel>("bevel"),
      Entry<B, TlqDataSkinSlider>("slider"),
      Entry<B, TlqDataSkinListView>("listview"),
      Entry<B, TlqDataSkinRichEdit>("richedit"),
  };
  auto it = makers.find(kind);
  return it == makers.end() ? nullptr : it->second(name);
}

std::unique_ptr<TlqDataSkinObject> CreateObjectDescriptor(const std::string& kind,
                                                          const std::string& name) {
  using B = TlqDataSkinObject;
  static const std::unordered_map<std::string, Maker<B>> makers{
      Entry<B, TlqDataSkinMenuItem>("menuitem"),
      Entry<B, TlqDataSkinMainMenuBarItem>("mainmenubaritem"),
      Entry<B, TlqDataSkinStdButton>("stdbutton"),
      Entry<B, TlqDataSkinMainMenuBarButton>("mainmenubarbutton"),
      Entry<B, TlqDataSkinButton>("button"),
      Entry<B, TlqDataSkinCaption>("caption"),
      Entry<B, TlqDataSkinAnimate>("animate"),
      Entry<B, TlqDataUserObject>("userobject"),
  };
  auto it = makers.find(kind);
  return it == makers.end() ? nullptr : it->second(name);
}

}  // namespace lq
