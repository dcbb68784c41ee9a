<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ChangePageSizeDg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>宽度必须在160--15360,高度必须在64-8640之间</source>
        <translation>The width must be between 160 and 15360, the height between 64 and 8640</translation>
    </message>
    <message>
        <source>宽度必须在480--15360,高度必须在320-8640之间</source>
        <translation>The width must be between 480 and 15360, the height between 320 and 8640</translation>
    </message>
</context>
<context>
    <name>ControlFrame</name>
    <message>
        <source>页面控件</source>
        <translation>Page controls</translation>
    </message>
    <message>
        <source>登录框</source>
        <translation>Login form</translation>
    </message>
    <message>
        <source>背景控件</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>文本控件</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>时间控件</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>视频控件</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>信源搜索</source>
        <translation>Source search</translation>
    </message>
    <message>
        <source>当前音频</source>
        <translation>Current audio</translation>
    </message>
    <message>
        <source>大屏区域</source>
        <translation>Video wall area</translation>
    </message>
    <message>
        <source>场景列表</source>
        <translation>Scene list</translation>
    </message>
    <message>
        <source>信源</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>一键开窗按钮</source>
        <translation>One-key window button</translation>
    </message>
    <message>
        <source>置顶置底按钮</source>
        <translation>Top/bottom button</translation>
    </message>
    <message>
        <source>清屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>清矩阵</source>
        <translation>Clear matrix</translation>
    </message>
    <message>
        <source>停止轮询</source>
        <translation>Stop polling</translation>
    </message>
    <message>
        <source>保存轮询</source>
        <translation>Save polling</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>底图</source>
        <translation>Base picture</translation>
    </message>
    <message>
        <source>保存场景</source>
        <translation>Save scene</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>切换页面</source>
        <translation>Switch page</translation>
    </message>
    <message>
        <source>打开网址</source>
        <translation>Open URL</translation>
    </message>
    <message>
        <source>打开程序</source>
        <translation>Open program</translation>
    </message>
    <message>
        <source>普通命令</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>滑动自锁命令</source>
        <translation>Sliding latch command</translation>
    </message>
    <message>
        <source>滑动命令</source>
        <translation>Sliding command</translation>
    </message>
    <message>
        <source>关联命令</source>
        <translation>Linked command</translation>
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation>Matrix button</translation>
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation>Screen group buttons</translation>
    </message>
    <message>
        <source>播放列表</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>PPT页数</source>
        <translation>PPT pages</translation>
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation>Matrix paging</translation>
    </message>
    <message>
        <source>矩阵数量</source>
        <translation>Matrix count</translation>
    </message>
    <message>
        <source>分屏模式</source>
        <translation>Split mode</translation>
    </message>
    <message>
        <source>所有布局模式</source>
        <translation>All layout modes</translation>
    </message>
    <message>
        <source>音频开关</source>
        <translation>Audio switch</translation>
    </message>
    <message>
        <source>音频音量</source>
        <translation>Audio volume</translation>
    </message>
    <message>
        <source>音频模式</source>
        <translation>Audio mode</translation>
    </message>
    <message>
        <source>信源分组</source>
        <translation>Source groups</translation>
    </message>
    <message>
        <source>视频流协议</source>
        <translation>Stream protocol</translation>
    </message>
    <message>
        <source>摄像头控制按钮</source>
        <translation>Camera control button</translation>
    </message>
    <message>
        <source>文件翻页控件</source>
        <translation>File paging</translation>
    </message>
    <message>
        <source>媒体播放按钮</source>
        <translation>Media play button</translation>
    </message>
    <message>
        <source>媒体播放进度</source>
        <translation>Media progress</translation>
    </message>
    <message>
        <source>Kvm接管</source>
        <translation>KVM takeover</translation>
    </message>
    <message>
        <source>功能按钮</source>
        <translation>Function button</translation>
    </message>
    <message>
        <source>按键按钮</source>
        <translation>Key button</translation>
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation>Latching function button</translation>
    </message>
    <message>
        <source>音频音柱</source>
        <translation>Audio VU meter</translation>
    </message>
    <message>
        <source>音频矩阵</source>
        <translation>Audio matrix</translation>
    </message>
    <message>
        <source>会议按纽</source>
        <translation>Meeting button</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>文件解析错误</source>
        <translation>File parse error</translation>
    </message>
    <message>
        <source>文件格式不对</source>
        <translation>Wrong file format</translation>
    </message>
    <message>
        <source>项目文件中有无效的页面文件名，已忽略</source>
        <translation>Page entries with invalid file names in the project file were ignored</translation>
    </message>
    <message>
        <source>open file fail: </source>
        <translation>Cannot open file: </translation>
    </message>
    <message>
        <source>页面名称无效</source>
        <translation>Invalid page name</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Name already exists</translation>
    </message>
    <message>
        <source>页面文件重命名失败</source>
        <translation>Could not rename the page file</translation>
    </message>
    <message>
        <source>未选中项目!</source>
        <translation>No project selected!</translation>
    </message>
    <message>
        <source>复制页面失败</source>
        <translation>Could not copy the page</translation>
    </message>
    <message>
        <source>导入失败，页面名称已存在</source>
        <translation>Import failed: a page of that name already exists</translation>
    </message>
    <message>
        <source>import json file failed,json format invalid</source>
        <translation>Import failed: the JSON file is not a valid page file</translation>
    </message>
    <message>
        <source>检测到配置已修改，是否保存修改在关闭?</source>
        <translation>The configuration has changed. Save the changes before closing?</translation>
    </message>
</context>
<context>
    <name>ImgDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>图片资源</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Background picture</translation>
    </message>
</context>
<context>
    <name>InitDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>进入系统</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>InitDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>项目视图</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>所有控件</source>
        <translation>All controls</translation>
    </message>
    <message>
        <source>页面控件</source>
        <translation>Page controls</translation>
    </message>
    <message>
        <source>属性框</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>关闭项目</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>打开配置文件</source>
        <translation>Open project file</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copy commands</translation>
    </message>
    <message>
        <source>粘贴命令</source>
        <translation>Paste commands</translation>
    </message>
    <message>
        <source>命令IP替换</source>
        <translation>Replace command IP</translation>
    </message>
    <message>
        <source>反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>函数</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>字符串助手</source>
        <translation>String assistant</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>上对齐</source>
        <translation>Align top</translation>
    </message>
    <message>
        <source>下对齐</source>
        <translation>Align bottom</translation>
    </message>
    <message>
        <source>垂直居中对齐</source>
        <translation>Align centres on a vertical line</translation>
    </message>
    <message>
        <source>水平居中对齐</source>
        <translation>Align centres on a horizontal line</translation>
    </message>
    <message>
        <source>垂直分散对齐</source>
        <translation>Distribute vertically</translation>
    </message>
    <message>
        <source>水平分散对齐</source>
        <translation>Distribute horizontally</translation>
    </message>
    <message>
        <source>适配对齐</source>
        <translation>Match size</translation>
    </message>
    <message>
        <source>垂直居中</source>
        <translation>Centre vertically in page</translation>
    </message>
    <message>
        <source>水平居中</source>
        <translation>Centre horizontally in page</translation>
    </message>
    <message>
        <source>置顶</source>
        <translation>To Top</translation>
    </message>
    <message>
        <source>置底</source>
        <translation>To Bottom</translation>
    </message>
    <message>
        <source>自锁</source>
        <translation>Latching</translation>
    </message>
    <message>
        <source>未锁</source>
        <translation>No latching</translation>
    </message>
    <message>
        <source>互锁</source>
        <translation>Interlock</translation>
    </message>
    <message>
        <source>格式刷</source>
        <translation>Format painter</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>请选中控件</source>
        <translation>Please select a control</translation>
    </message>
    <message>
        <source>是否保存?</source>
        <translation>Save changes?</translation>
    </message>
</context>
<context>
    <name>NewFileDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>文件名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PageDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>PropertyWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>控件类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>控件名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>正常样式</source>
        <translation>Normal style</translation>
    </message>
    <message>
        <source>激活样式</source>
        <translation>Active style</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>开启样式</source>
        <translation>On style</translation>
    </message>
    <message>
        <source>关闭样式</source>
        <translation>Off style</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>不加粗</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>加粗</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>垂直</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>居上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>居下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>居左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>居右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>x坐标</source>
        <translation>X</translation>
    </message>
    <message>
        <source>y坐标</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>圆角</source>
        <translation>Corner radius</translation>
    </message>
    <message>
        <source>字体加粗</source>
        <translation>Bold font</translation>
    </message>
    <message>
        <source>文字方向</source>
        <translation>Text direction</translation>
    </message>
    <message>
        <source>文字位置</source>
        <translation>Text position</translation>
    </message>
    <message>
        <source>文字占比</source>
        <translation>Text share</translation>
    </message>
    <message>
        <source>背景占比</source>
        <translation>Background share</translation>
    </message>
    <message>
        <source>文字默认颜色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>背景默认颜色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>背景默认图片</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>文字激活颜色</source>
        <translation>Active text color</translation>
    </message>
    <message>
        <source>背景激活颜色</source>
        <translation>Active background color</translation>
    </message>
    <message>
        <source>背景激活图片</source>
        <translation>Active background image</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>按钮</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>激活文本</source>
        <translation>Active text</translation>
    </message>
    <message>
        <source>普通按钮</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>文本控件</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>弹窗</source>
        <translation>Pop-up</translation>
    </message>
    <message>
        <source>页面类型</source>
        <translation>Page type</translation>
    </message>
    <message>
        <source>固定位置</source>
        <translation>Fixed position</translation>
    </message>
    <message>
        <source>场所ID</source>
        <translation>Place ID</translation>
    </message>
    <message>
        <source>主页面</source>
        <translation>Main page</translation>
    </message>
    <message>
        <source>控件页面</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>设置背景色</source>
        <translation>Set color</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>命令信息</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>SrcGroupListWidget</name>
    <message>
        <source>关闭项目</source>
        <translation>Close project</translation>
    </message>
    <message>
        <source>打开项目目录</source>
        <translation>Open project folder</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Delete page</translation>
    </message>
    <message>
        <source>删除窗体</source>
        <translation>Delete form</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>File does not exist</translation>
    </message>
    <message>
        <source>请输入名称</source>
        <translation>Enter a name</translation>
    </message>
    <message>
        <source>文件名为空</source>
        <translation>The file name is empty</translation>
    </message>
    <message>
        <source>新建页面</source>
        <translation>New page</translation>
    </message>
    <message>
        <source>新建登录页面</source>
        <translation>New login page</translation>
    </message>
    <message>
        <source>新建场所页面</source>
        <translation>New place page</translation>
    </message>
    <message>
        <source>新建窗体</source>
        <translation>New form</translation>
    </message>
    <message>
        <source>导入页面</source>
        <translation>Import page</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>创建副本</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>创建页面</source>
        <translation>Create page</translation>
    </message>
    <message>
        <source>创建登录页面</source>
        <translation>Create login page</translation>
    </message>
    <message>
        <source>创建场所页面</source>
        <translation>Create place page</translation>
    </message>
    <message>
        <source>创建窗体</source>
        <translation>Create form</translation>
    </message>
    <message>
        <source>宽度必须在480--15360,高度必须在320-8640之间</source>
        <translation>The width must be between 480 and 15360, the height between 320 and 8640</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Name already exists</translation>
    </message>
    <message>
        <source>确定删除吗?</source>
        <translation>Delete it?</translation>
    </message>
    <message>
        <source>副本名</source>
        <translation>Name of the copy</translation>
    </message>
    <message>
        <source>打开页面文件</source>
        <translation>Open page file</translation>
    </message>
</context>
<context>
    <name>SrcListWidget</name>
    <message>
        <source>背景控件</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>文本控件</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>时间控件</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>视频控件</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>当前音频</source>
        <translation>Current audio</translation>
    </message>
    <message>
        <source>大屏区域</source>
        <translation>Video wall area</translation>
    </message>
    <message>
        <source>场景列表</source>
        <translation>Scene list</translation>
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation>Screen group buttons</translation>
    </message>
    <message>
        <source>播放按钮组</source>
        <translation>Play buttons</translation>
    </message>
    <message>
        <source>PPT页数</source>
        <translation>PPT pages</translation>
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation>Matrix paging</translation>
    </message>
    <message>
        <source>矩阵数量</source>
        <translation>Matrix count</translation>
    </message>
    <message>
        <source>分屏模式</source>
        <translation>Split mode</translation>
    </message>
    <message>
        <source>音频开关</source>
        <translation>Audio switch</translation>
    </message>
    <message>
        <source>音频音量</source>
        <translation>Audio volume</translation>
    </message>
    <message>
        <source>信源</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>信源搜索</source>
        <translation>Source search</translation>
    </message>
    <message>
        <source>信源分组</source>
        <translation>Source groups</translation>
    </message>
    <message>
        <source>切换页面</source>
        <translation>Switch page</translation>
    </message>
    <message>
        <source>打开网址</source>
        <translation>Open URL</translation>
    </message>
    <message>
        <source>打开程序</source>
        <translation>Open program</translation>
    </message>
    <message>
        <source>普通命令</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>关联命令</source>
        <translation>Linked command</translation>
    </message>
    <message>
        <source>滑动自锁命令</source>
        <translation>Sliding latch command</translation>
    </message>
    <message>
        <source>滑动命令</source>
        <translation>Sliding command</translation>
    </message>
    <message>
        <source>摄像头控制按钮</source>
        <translation>Camera control button</translation>
    </message>
    <message>
        <source>从头播放按钮</source>
        <translation>Replay button</translation>
    </message>
    <message>
        <source>媒体播放按钮</source>
        <translation>Media play button</translation>
    </message>
    <message>
        <source>媒体播放进度</source>
        <translation>Media progress</translation>
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation>Matrix button</translation>
    </message>
    <message>
        <source>按键按钮</source>
        <translation>Key button</translation>
    </message>
    <message>
        <source>功能按钮</source>
        <translation>Function button</translation>
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation>Latching function button</translation>
    </message>
    <message>
        <source>音频音柱</source>
        <translation>Audio VU meter</translation>
    </message>
    <message>
        <source>登录框</source>
        <translation>Login form</translation>
    </message>
    <message>
        <source>场所列表</source>
        <translation>Place list</translation>
    </message>
    <message>
        <source>音频矩阵</source>
        <translation>Audio matrix</translation>
    </message>
    <message>
        <source>会议按纽</source>
        <translation>Meeting button</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>StatusBarFrame</name>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
</context>
<context>
    <name>UIAudioMatrixWidget</name>
    <message>
        <source>3.5mm</source>
        <translation>3.5mm</translation>
    </message>
    <message>
        <source>HDMI</source>
        <translation>HDMI</translation>
    </message>
    <message>
        <source>AES67</source>
        <translation>AES67</translation>
    </message>
    <message>
        <source>音频输出%1</source>
        <translation>Audio out %1</translation>
    </message>
    <message>
        <source>音频输入%1</source>
        <translation>Audio in %1</translation>
    </message>
</context>
<context>
    <name>UILoginWidget</name>
    <message>
        <source>用户名:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Enter the user name</translation>
    </message>
    <message>
        <source>密码:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter the password</translation>
    </message>
    <message>
        <source>通信IP:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>请输入通信ip</source>
        <translation>Enter the address</translation>
    </message>
    <message>
        <source>语言:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>请选择语言</source>
        <translation>Choose a language</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>欢迎登录分布式系统</source>
        <translation>Welcome to the distributed system</translation>
    </message>
</context>
<context>
    <name>UIPage</name>
    <message>
        <source>文本文件</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>普通按钮</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>一键开窗</source>
        <translation>Open All Windows</translation>
    </message>
    <message>
        <source>清屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>清除所有屏幕</source>
        <translation>Clear All Screens</translation>
    </message>
    <message>
        <source>保存轮询</source>
        <translation>Save polling</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>底图</source>
        <translation>Base picture</translation>
    </message>
    <message>
        <source>保存场景</source>
        <translation>Save scene</translation>
    </message>
    <message>
        <source>启用布局</source>
        <translation>Apply Layout</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>矩阵数量</source>
        <translation>Matrix count</translation>
    </message>
    <message>
        <source>分屏模式</source>
        <translation>Split mode</translation>
    </message>
    <message>
        <source>所有布局模式</source>
        <translation>All layout modes</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Kvm接管</source>
        <translation>KVM takeover</translation>
    </message>
    <message>
        <source>登录框</source>
        <translation>Login form</translation>
    </message>
    <message>
        <source>矩阵区域</source>
        <translation>Matrix Area</translation>
    </message>
    <message>
        <source>停止轮询</source>
        <translation>Stop polling</translation>
    </message>
    <message>
        <source>命令按钮</source>
        <translation>Command Button</translation>
    </message>
    <message>
        <source>关联命令</source>
        <translation>Linked command</translation>
    </message>
    <message>
        <source>功能按钮</source>
        <translation>Function button</translation>
    </message>
    <message>
        <source>按键按钮</source>
        <translation>Key button</translation>
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation>Latching function button</translation>
    </message>
    <message>
        <source>#FF409EFF</source>
        <translation>#FF409EFF</translation>
    </message>
    <message>
        <source>#FF606266</source>
        <translation>#FF606266</translation>
    </message>
    <message>
        <source>#FF6F7A7E</source>
        <translation>#FF6F7A7E</translation>
    </message>
    <message>
        <source>#FF159C77</source>
        <translation>#FF159C77</translation>
    </message>
    <message>
        <source>#FFFFFFFF</source>
        <translation>#FFFFFFFF</translation>
    </message>
    <message>
        <source>场景列表</source>
        <translation>Scene list</translation>
    </message>
    <message>
        <source>信源</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>开启布局</source>
        <translation>Layout On</translation>
    </message>
    <message>
        <source>关闭布局</source>
        <translation>Layout Off</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>场所列表</source>
        <translation>Place list</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>#FFFFFF</source>
        <translation>#FFFFFF</translation>
    </message>
    <message>
        <source>#133050</source>
        <translation>#133050</translation>
    </message>
    <message>
        <source>#0000ff</source>
        <translation>#0000ff</translation>
    </message>
    <message>
        <source>当前音频</source>
        <translation>Current audio</translation>
    </message>
    <message>
        <source>大屏区域</source>
        <translation>Video wall area</translation>
    </message>
    <message>
        <source>置底</source>
        <translation>To Bottom</translation>
    </message>
    <message>
        <source>切换页面</source>
        <translation>Switch page</translation>
    </message>
    <message>
        <source>打开网址</source>
        <translation>Open URL</translation>
    </message>
    <message>
        <source>打开程序</source>
        <translation>Open program</translation>
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation>Matrix button</translation>
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation>Matrix paging</translation>
    </message>
    <message>
        <source>音视频</source>
        <translation>Audio &amp; Video</translation>
    </message>
    <message>
        <source>信源分组</source>
        <translation>Source groups</translation>
    </message>
    <message>
        <source>主码流</source>
        <translation>Main Stream</translation>
    </message>
    <message>
        <source>预布局模式</source>
        <translation>Preset Layout Mode</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>next</source>
        <translation>next</translation>
    </message>
    <message>
        <source>从头开始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>音频音柱</source>
        <translation>Audio VU meter</translation>
    </message>
    <message>
        <source>音频矩阵</source>
        <translation>Audio matrix</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>会议</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>open file fail: </source>
        <translation>Cannot open file: </translation>
    </message>
    <message>
        <source>找不到合法的控件</source>
        <translation>No valid control found</translation>
    </message>
</context>
<context>
    <name>UIPlaceWidget</name>
    <message>
        <source>场所</source>
        <translation>Place</translation>
    </message>
</context>
<context>
    <name>UIPreviewWidget</name>
    <message>
        <source>source_</source>
        <translation>source_</translation>
    </message>
</context>
<context>
    <name>UISceneListWidget</name>
    <message>
        <source>scene_</source>
        <translation>scene_</translation>
    </message>
</context>
<context>
    <name>UIScreenButtonListWidget</name>
    <message>
        <source>wall_</source>
        <translation>wall_</translation>
    </message>
</context>
<context>
    <name>UITableCornerWidget</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
</context>
</TS>