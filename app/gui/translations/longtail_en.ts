<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
  <context>
    <name>longtail</name>
    <message>
      <source>青岚谷长尾词查询工具</source>
      <translation>Qinglangu Long-tail Keyword Tool</translation>
    </message>
  </context>
  <context>
    <name>longtail::ExportTypes</name>
    <message>
      <source>文本文件</source>
      <translation>Text files</translation>
    </message>
    <message>
      <source>UTF-8 文本文件</source>
      <translation>UTF-8 text files</translation>
    </message>
    <message>
      <source>UTF-8 文本文件（带 BOM，供电子表格）</source>
      <translation>UTF-8 text (BOM, for spreadsheets)</translation>
    </message>
    <message>
      <source>CSV 文件</source>
      <translation>CSV files</translation>
    </message>
    <message>
      <source>JSON Lines 文件</source>
      <translation>JSON Lines files</translation>
    </message>
  </context>
  <context>
    <name>longtail::MainWindow</name>
    <message>
      <source>扩展a-z</source>
      <translation>Expand a-z</translation>
    </message>
    <message>
      <source>青岚谷长尾词查询工具V2.0  新增多词查询，查询过滤功能。</source>
      <translation>Qinglangu Long-tail Keyword Tool V2.0  New: several keywords at once, filtering.</translation>
    </message>
    <message>
      <source>导出为TXT文件</source>
      <translation>Export as TXT file</translation>
    </message>
    <message>
      <source>选择目录</source>
      <translation>Select folder</translation>
    </message>
    <message>
      <source>查询</source>
      <translation>Query</translation>
    </message>
    <message>
      <source>停止查询</source>
      <translation>Stop the query</translation>
    </message>
    <message>
      <source>导出为文本文件</source>
      <translation>Export to a text file</translation>
    </message>
    <message>
      <source>输入关键词</source>
      <translation>Keywords</translation>
    </message>
    <message>
      <source>注意：每行一词。</source>
      <translation>Note: one keyword a line.</translation>
    </message>
    <message>
      <source>停止</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>注意：广泛相关最后可能根本不相关，不过可以过滤了。</source>
      <translation>Note: broad finds may stray; filter them later.</translation>
    </message>
    <message>
      <source>广泛相关（如：关键词"QQ空间"，找到空间、51，则继续穷举和"空间"、"51"相关的词。）</source>
      <translation>Broad (e.g. "QQ zone" finds "zone" and "51": ask about those too)</translation>
    </message>
    <message>
      <source>长尾词必须包含关键词</source>
      <translation>Must contain a keyword</translation>
    </message>
    <message>
      <source>自动保存文本到</source>
      <translation>Auto-save to</translation>
    </message>
    <message>
      <source>秒保存一次</source>
      <translation>s per save</translation>
    </message>
    <message>
      <source>每次查询间隔</source>
      <translation>Request gap</translation>
    </message>
    <message>
      <source>排除词</source>
      <translation>Exclude</translation>
    </message>
    <message>
      <source>最大深度</source>
      <translation>Max depth</translation>
    </message>
    <message>
      <source>毫秒</source>
      <translation>ms</translation>
    </message>
    <message>
      <source>过滤【不包含】左边列表关键词的长尾词</source>
      <translation>Drop phrases without a keyword on the left</translation>
    </message>
    <message>
      <source>全部选入导出列表</source>
      <translation>All to export</translation>
    </message>
    <message>
      <source>清空导出列表</source>
      <translation>Clear exports</translation>
    </message>
    <message>
      <source>清空全部数据</source>
      <translation>Clear all</translation>
    </message>
    <message>
      <source>导出为TXT文本文件</source>
      <translation>Export to TXT</translation>
    </message>
    <message>
      <source>提示：下面的列表可以【双击、右键】操作。</source>
      <translation>Tip: double-click or right-click a list.</translation>
    </message>
    <message>
      <source>长尾词列表</source>
      <translation>Long-tail phrases</translation>
    </message>
    <message>
      <source>导出列表</source>
      <translation>Export list</translation>
    </message>
    <message>
      <source>所选关键词导出到导出列表</source>
      <translation>Copy selected to the export list</translation>
    </message>
    <message>
      <source>导出所有关键词到导出列表</source>
      <translation>Copy all to the export list</translation>
    </message>
    <message>
      <source>删除选中关键词</source>
      <translation>Delete selected</translation>
    </message>
    <message>
      <source>清空所有关键词</source>
      <translation>Clear all phrases</translation>
    </message>
    <message>
      <source>到百度搜索</source>
      <translation>Search on Baidu</translation>
    </message>
    <message>
      <source>到谷歌搜索</source>
      <translation>Search on Google</translation>
    </message>
    <message>
      <source>清空列表</source>
      <translation>Clear the list</translation>
    </message>
    <message>
      <source>导出为TXT文件(&amp;O)</source>
      <translation>Export as TXT file (&amp;O)</translation>
    </message>
    <message>
      <source>自动保存的文件夹已不存在：%1
自动保存已关闭，请重新选择文件夹</source>
      <translation>The auto-save folder is gone: %1
Auto-save is off; choose a folder again</translation>
    </message>
    <message>
      <source>上次的查询没有完成就中断了（关键词：%1，已找到 %2 个长尾词）。
要继续这次查询吗？选择“取消”则不再提示。</source>
      <translation>The last query was interrupted before it finished (keyword: %1, %2 long-tail keywords found).
Continue that query? Choose Cancel not to be asked again.</translation>
    </message>
    <message>
      <source>无法把会话文件移开，下次启动时还会提示：%1</source>
      <translation>The session file could not be set aside; it will be offered again at the next start: %1</translation>
    </message>
    <message>
      <source>会话文件无法继续：%1
原因：%2
这个文件保持原样，新的会话保存到其他文件。</source>
      <translation>The session file cannot be continued: %1
Reason: %2
The file is left as it is; new sessions are kept in another file.</translation>
    </message>
    <message>
      <source>继续上次中断的查询</source>
      <translation>Continuing the interrupted query</translation>
    </message>
    <message>
      <source>会话文件无法保存：%1</source>
      <translation>The session file cannot be saved: %1</translation>
    </message>
  </context>
  <context>
    <name>longtail::SourcePicker</name>
    <message>
      <source>来源</source>
      <translation>Src</translation>
    </message>
    <message>
      <source>（广泛相关时）</source>
      <translation> (broad only)</translation>
    </message>
  </context>
  <context>
    <name>lq::FileList</name>
    <message>
      <source>名称</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>大小</source>
      <translation>Size</translation>
    </message>
    <message>
      <source>类型</source>
      <translation>Type</translation>
    </message>
    <message>
      <source>修改时间</source>
      <translation>Modified</translation>
    </message>
  </context>
  <context>
    <name>lq::FileProperties</name>
    <message>
      <source>%1 个文件，%2 个文件夹</source>
      <translation>%1 files, %2 folders</translation>
    </message>
    <message>
      <source>只读</source>
      <translation>read-only</translation>
    </message>
    <message>
      <source>隐藏</source>
      <translation>hidden</translation>
    </message>
    <message>
      <source>链接</source>
      <translation>link</translation>
    </message>
    <message>
      <source>无</source>
      <translation>none</translation>
    </message>
    <message>
      <source>，</source>
      <translation>, </translation>
    </message>
    <message>
      <source>名称:</source>
      <translation>Name:</translation>
    </message>
    <message>
      <source>类型:</source>
      <translation>Type:</translation>
    </message>
    <message>
      <source>位置:</source>
      <translation>Location:</translation>
    </message>
    <message>
      <source>包含:</source>
      <translation>Contains:</translation>
    </message>
    <message>
      <source>大小:</source>
      <translation>Size:</translation>
    </message>
    <message>
      <source>修改时间:</source>
      <translation>Modified:</translation>
    </message>
    <message>
      <source>属性:</source>
      <translation>Attributes:</translation>
    </message>
    <message>
      <source> 属性</source>
      <translation> Properties</translation>
    </message>
    <message>
      <source>确定</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>lq::FileTexts</name>
    <message>
      <source>文件夹</source>
      <translation>Folder</translation>
    </message>
    <message>
      <source>文件</source>
      <translation>File</translation>
    </message>
    <message>
      <source> 文件</source>
      <translation> file</translation>
    </message>
    <message>
      <source> 字节</source>
      <translation> bytes</translation>
    </message>
  </context>
  <context>
    <name>lq::FolderPlaces</name>
    <message>
      <source>桌面</source>
      <translation>Desktop</translation>
    </message>
    <message>
      <source>计算机</source>
      <translation>Computer</translation>
    </message>
  </context>
</TS>