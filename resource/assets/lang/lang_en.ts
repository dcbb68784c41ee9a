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
</context>
<context>
    <name>CmdProtocol</name>
    <message>
        <source>udp</source>
        <translation>udp</translation>
    </message>
    <message>
        <source>tcp</source>
        <translation>tcp</translation>
    </message>
    <message>
        <source>http</source>
        <translation>http</translation>
    </message>
    <message>
        <source>telnet</source>
        <translation>telnet</translation>
    </message>
    <message>
        <source>ssh</source>
        <translation>ssh</translation>
    </message>
</context>
<context>
    <name>CodeEditorDlg</name>
    <message>
        <source>代码编辑</source>
        <translation>Script editor</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>读取文件失败，文件保持不变: </source>
        <translation>Cannot read the file, it is kept as it is: </translation>
    </message>
    <message>
        <source>脚本含有空字符(NUL)，以只读方式打开，文件保持不变: </source>
        <translation>The script holds a NUL character; it opens read-only and the file is kept as it is: </translation>
    </message>
    <message>
        <source>脚本不是有效的UTF-8文本，以只读方式打开，文件保持不变: </source>
        <translation>The script is not valid UTF-8 text; it opens read-only and the file is kept as it is: </translation>
    </message>
    <message>
        <source>脚本无法写入，以只读方式打开，文件保持不变: </source>
        <translation>The script cannot be written; it opens read-only and the file is kept as it is: </translation>
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
    <name>DataDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>DataManager</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>下载管理</source>
        <translation>Receiving</translation>
    </message>
    <message>
        <source>本地IP: </source>
        <translation>Local IP: </translation>
    </message>
    <message>
        <source>传输信息</source>
        <translation>Transfer log</translation>
    </message>
    <message>
        <source>打开服务</source>
        <translation>Start service</translation>
    </message>
    <message>
        <source>初始化配置</source>
        <translation>Reset configuration</translation>
    </message>
    <message>
        <source>上传管理</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>远程IP: </source>
        <translation>Remote IP: </translation>
    </message>
    <message>
        <source>上传数据</source>
        <translation>Upload data</translation>
    </message>
    <message>
        <source>上传配置</source>
        <translation>Upload project</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>输入IP不正确，请输入正确的IP地址</source>
        <translation>Invalid IP address, please enter a correct one</translation>
    </message>
    <message>
        <source>项目地址为空</source>
        <translation>No project is open</translation>
    </message>
    <message>
        <source>停止上传</source>
        <translation>Stop upload</translation>
    </message>
    <message>
        <source>关闭服务</source>
        <translation>Stop service</translation>
    </message>
    <message>
        <source>listen to %1 success. waiting for uploading</source>
        <translation>Listening on %1. Waiting for an upload</translation>
    </message>
    <message>
        <source>来自%1的连接</source>
        <translation>Connection from %1</translation>
    </message>
    <message>
        <source>上传成功 !</source>
        <translation>Upload succeeded!</translation>
    </message>
    <message>
        <source>上传失败 !</source>
        <translation>Upload failed!</translation>
    </message>
    <message>
        <source>正在上传，是否停止上传?</source>
        <translation>An upload is running. Stop it?</translation>
    </message>
</context>
<context>
    <name>DataServer</name>
    <message>
        <source>写入数据文件成功: %1</source>
        <translation>Data written: %1</translation>
    </message>
    <message>
        <source>删除目录%1失败!</source>
        <translation>Cannot remove the folder %1!</translation>
    </message>
</context>
<context>
    <name>ExAudioMatrixWidget</name>
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
    <name>ExListBuilder</name>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
</context>
<context>
    <name>ExLoginWidget</name>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User Name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>通信ip</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>欢迎登录分布式系统</source>
        <translation>Welcome to the distributed system</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Enter the user name</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter the password</translation>
    </message>
</context>
<context>
    <name>ExPageHost</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>ExPlaceWidget</name>
    <message>
        <source>场所-%1</source>
        <translation>Place %1</translation>
    </message>
</context>
<context>
    <name>ExPopPageWidgetFrame</name>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
</context>
<context>
    <name>ExSceneListFrame</name>
    <message>
        <source>场景</source>
        <translation>Scene</translation>
    </message>
</context>
<context>
    <name>ExSrcGroupListWidget</name>
    <message>
        <source>信号列表</source>
        <translation>Signal list</translation>
    </message>
</context>
<context>
    <name>ExTableCornerWidget</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
</context>
<context>
    <name>FeedBackFormDlg</name>
    <message>
        <source>中控(UUID)</source>
        <translation>Controller (UUID)</translation>
    </message>
    <message>
        <source>中控命令(UUID)</source>
        <translation>Controller command (UUID)</translation>
    </message>
    <message>
        <source>反馈函数</source>
        <translation>Feedback function</translation>
    </message>
    <message>
        <source>函数输入参数(多个参数用逗号(,)隔开)</source>
        <translation>Function arguments (separated by commas)</translation>
    </message>
    <message>
        <source>输入参数类型</source>
        <translation>Argument type</translation>
    </message>
    <message>
        <source>输出类型</source>
        <translation>Result type</translation>
    </message>
    <message>
        <source>反馈类型</source>
        <translation>Feedback type</translation>
    </message>
    <message>
        <source>反馈数据测试</source>
        <translation>Test data</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>String</source>
        <translation>String</translation>
    </message>
    <message>
        <source>设置状态</source>
        <translation>Set state</translation>
    </message>
    <message>
        <source>设置文本</source>
        <translation>Set text</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>输入对应的中控参数和函数名</source>
        <translation>Enter the controller, its command and the function</translation>
    </message>
    <message>
        <source>查看中控</source>
        <translation>View controllers</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>FileNameCheck</name>
    <message>
        <source>文件名不是有效的UTF-8文本</source>
        <translation>The file name is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>文件名不能包含控制字符</source>
        <translation>The file name cannot contain control characters</translation>
    </message>
    <message>
        <source>文件名过长：“%1”有%2字节，多了%3字节（最多%4字节）</source>
        <translation>Name too long: "%1" has %2 bytes, %3 bytes too many (at most %4 bytes)</translation>
    </message>
    <message>
        <source>文件名不能包含“:”、“\”或“/”</source>
        <translation>The file name cannot contain ":", "\" or "/"</translation>
    </message>
    <message>
        <source>文件名不能为空，也不能是“.”或“..”</source>
        <translation>The file name cannot be empty, nor "." or ".."</translation>
    </message>
    <message>
        <source>文件名不能以“.”开头：这样的隐藏文件不会上传</source>
        <translation>The file name cannot start with ".": such hidden files are not uploaded</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>该位置是设备、管道、套接字或文件夹，不是普通文件</source>
        <translation>A device, FIFO, socket or folder stands there, not a regular file</translation>
    </message>
    <message>
        <source>该位置是指向不存在文件的链接</source>
        <translation>A link to a file that does not exist stands there</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>No permission to write</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>文件将有%1字节，大于设计器能读取的%2MB，未保存</source>
        <translation>The file would hold %1 bytes, more than the %2 MB the designer reads back; not saved</translation>
    </message>
    <message>
        <source>所在的文件夹不存在</source>
        <translation>The folder it goes into does not exist</translation>
    </message>
    <message>
        <source>无法读取源文件</source>
        <translation>The source file cannot be read</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>写入失败: %1</source>
        <translation>Write failed: %1</translation>
    </message>
    <message>
        <source>保存文件失败: </source>
        <translation>Cannot save file: </translation>
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
    <message>
        <source>删除页面文件失败：</source>
        <translation>Could not delete the page file: </translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>File does not exist</translation>
    </message>
    <message>
        <source>有页面未能保存，项目保持打开</source>
        <translation>A page could not be saved; the project stays open</translation>
    </message>
    <message>
        <source>中控文件无法解析，中控将以只读方式打开，文件保持不变：</source>
        <translation>The controller file cannot be parsed; the controllers open read-only and the file is kept as it is: </translation>
    </message>
    <message>
        <source>中控文件中有不完整的中控或指令，中控将以只读方式打开，文件保持不变：</source>
        <translation>The controller file holds incomplete controllers or commands; the controllers open read-only and the file is kept as it is: </translation>
    </message>
    <message>
        <source>中控将以只读方式打开，文件保持不变</source>
        <translation>The controllers open read-only and the file is kept as it is</translation>
    </message>
    <message>
        <source>中控文件无法写入，中控将以只读方式打开，文件保持不变：</source>
        <translation>The controller file cannot be written; the controllers open read-only and the file is kept as it is: </translation>
    </message>
    <message>
        <source>该文件读取时被拒绝，不会被覆盖</source>
        <translation>The file was refused when it was read and is not written over</translation>
    </message>
    <message>
        <source>项目文件夹不存在: </source>
        <translation>The project folder does not exist: </translation>
    </message>
    <message>
        <source>语言设置保存失败: </source>
        <translation>Cannot save the language setting: </translation>
    </message>
    <message>
        <source>下次启动时仍使用原来的语言</source>
        <translation>The next start still uses the previous language</translation>
    </message>
</context>
<context>
    <name>GridManagerDlg</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>总宽度</source>
        <translation>Total width</translation>
    </message>
    <message>
        <source>总高度</source>
        <translation>Total height</translation>
    </message>
    <message>
        <source>左边</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>上边</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>布局管理</source>
        <translation>Layout manager</translation>
    </message>
    <message>
        <source>所有网格</source>
        <translation>All grids</translation>
    </message>
    <message>
        <source>网格配置</source>
        <translation>Grid settings</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>自定义布局</source>
        <translation>Custom layout</translation>
    </message>
    <message>
        <source>单元格拆分</source>
        <translation>Split cell</translation>
    </message>
    <message>
        <source>添加区域</source>
        <translation>Add region</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>设置标注</source>
        <translation>Set marks</translation>
    </message>
    <message>
        <source>清除标注</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
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
        <source>总宽度、总高度必须是2的倍数，请重新调整</source>
        <translation>Total width and height must be multiples of 2; please adjust them</translation>
    </message>
    <message>
        <source>布局模板文件保存失败</source>
        <translation>The layout template file could not be saved</translation>
    </message>
    <message>
        <source>布局</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>请输入名称</source>
        <translation>Enter a name</translation>
    </message>
    <message>
        <source>确定删除吗?</source>
        <translation>Delete it?</translation>
    </message>
</context>
<context>
    <name>GridSettingDlg</name>
    <message>
        <source>网格模式</source>
        <translation>Grid mode</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>非标</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>划分方式</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>整屏</source>
        <translation>Whole screen</translation>
    </message>
    <message>
        <source>单屏</source>
        <translation>Single screen</translation>
    </message>
    <message>
        <source>屏组类型</source>
        <translation>Group type</translation>
    </message>
    <message>
        <source>矩阵</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>屏组</source>
        <translation>Screen group</translation>
    </message>
    <message>
        <source>行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>总宽</source>
        <translation>Total width</translation>
    </message>
    <message>
        <source>总高</source>
        <translation>Total height</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>网格参数</source>
        <translation>Grid parameters</translation>
    </message>
    <message>
        <source>网格布局</source>
        <translation>Grid layout</translation>
    </message>
    <message>
        <source>区域数据</source>
        <translation>Region data</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GridVirWall</name>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>满足以下条件才允许拆分:<byte value="xd" />
拆分高度*(行数-1) &lt;总高度 ,<byte value="xd" />
拆分宽度*(列数-1) &lt;总宽度 ，<byte value="xd" />
请重新调整</source>
        <translation>A cell can be split only when:<byte value="xd" />
split height * (rows - 1) &lt; total height,<byte value="xd" />
split width * (columns - 1) &lt; total width.<byte value="xd" />
Please adjust the values</translation>
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
    <message>
        <source>文件不存在</source>
        <translation>File does not exist</translation>
    </message>
    <message>
        <source>文件大于300MB</source>
        <translation>The file is larger than 300 MB</translation>
    </message>
    <message>
        <source>不是图片文件</source>
        <translation>Not a picture file</translation>
    </message>
    <message>
        <source>同名图片已存在</source>
        <translation>A picture of that name exists already</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Copy failed</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>以下图片未导入：</source>
        <translation>These pictures were not imported:</translation>
    </message>
    <message>
        <source>删除图片失败：</source>
        <translation>Could not delete the picture: </translation>
    </message>
    <message>
        <source>项目目录中的同名文件是链接，不会写入</source>
        <translation>The file of that name in the project folder is a link; nothing is written through it</translation>
    </message>
</context>
<context>
    <name>InfoDlg</name>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
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
    <name>JsManager</name>
    <message>
        <source>func_name: </source>
        <translation>func_name: </translation>
    </message>
    <message>
        <source> data: </source>
        <translation> data: </translation>
    </message>
    <message>
        <source> return </source>
        <translation> return </translation>
    </message>
    <message>
        <source>can not find function name</source>
        <translation>can not find function name</translation>
    </message>
    <message>
        <source>interrupted: the script ran longer than %1 seconds</source>
        <translation>interrupted: the script ran longer than %1 seconds</translation>
    </message>
    <message>
        <source>Uncaught exception at line </source>
        <translation>Uncaught exception at line </translation>
    </message>
    <message>
        <source>other result</source>
        <translation>other result</translation>
    </message>
    <message>
        <source>interrupted: the script ran out of memory</source>
        <translation>interrupted: the script ran out of memory</translation>
    </message>
    <message>
        <source>interrupted: the script runner ended abnormally</source>
        <translation>interrupted: the script runner ended abnormally</translation>
    </message>
</context>
<context>
    <name>KivToolStringAssistant</name>
    <message>
        <source>字符串工具</source>
        <translation>String Tool</translation>
    </message>
    <message>
        <source>输入数据</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出数据</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入格式</source>
        <translation>Input format</translation>
    </message>
    <message>
        <source>输出格式</source>
        <translation>Output format</translation>
    </message>
    <message>
        <source>生成数据</source>
        <translation>Convert</translation>
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
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>导入素材</source>
        <translation>Import assets</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>控件视图</source>
        <translation>Controls view</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
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
    <message>
        <source>查看</source>
        <translation>View</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>创建项目</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>创建项目目录失败</source>
        <translation>Could not create the project folder</translation>
    </message>
    <message>
        <source>检测该目录下已存在项目，是否直接打开?</source>
        <translation>This folder already holds the project. Open it?</translation>
    </message>
    <message>
        <source>默认模板文件不存在！</source>
        <translation>The default template is missing!</translation>
    </message>
    <message>
        <source>创建默认文件失败</source>
        <translation>Could not create the default files</translation>
    </message>
    <message>
        <source>该位置是指向文件夹的链接</source>
        <translation>This location is a link to a folder</translation>
    </message>
    <message>
        <source>目录“%1”中已有文件，使用模板创建将删除其中的全部文件，是否继续?</source>
        <translation>The folder "%1" already holds files. Creating from the template deletes all of them. Continue?</translation>
    </message>
    <message>
        <source>设置字体失败</source>
        <translation>The font was not set</translation>
    </message>
    <message>
        <source>请先打开或者创建工程</source>
        <translation>Open or create a project first</translation>
    </message>
</context>
<context>
    <name>MidCtrFormDlg</name>
    <message>
        <source>UUID</source>
        <translation>UUID</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>udp</source>
        <translation>udp</translation>
    </message>
    <message>
        <source>tcp</source>
        <translation>tcp</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>ip不能为空</source>
        <translation>The IP address cannot be empty</translation>
    </message>
    <message>
        <source>中控名称不能为空</source>
        <translation>The name cannot be empty</translation>
    </message>
</context>
<context>
    <name>MidCtrlCmdFormDlg</name>
    <message>
        <source>UUID</source>
        <translation>UUID</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>发送类型</source>
        <translation>Send type</translation>
    </message>
    <message>
        <source>间隔时间(ms)</source>
        <translation>Interval (ms)</translation>
    </message>
    <message>
        <source>数据类型</source>
        <translation>Data Type</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>只发一次</source>
        <translation>Send once</translation>
    </message>
    <message>
        <source>循环发送</source>
        <translation>Send in a loop</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>数据不能为空</source>
        <translation>The data cannot be empty</translation>
    </message>
    <message>
        <source>中控名称不能为空</source>
        <translation>The name cannot be empty</translation>
    </message>
</context>
<context>
    <name>MidCtrlDlg</name>
    <message>
        <source>添加中控</source>
        <translation>Add controller</translation>
    </message>
    <message>
        <source>删除中控</source>
        <translation>Delete controllers</translation>
    </message>
    <message>
        <source>修改中控</source>
        <translation>Edit controller</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Add command</translation>
    </message>
    <message>
        <source>删除指令</source>
        <translation>Delete commands</translation>
    </message>
    <message>
        <source>修改指令</source>
        <translation>Edit command</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>发送类型</source>
        <translation>Send type</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>数据类型</source>
        <translation>Data Type</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>只发一次</source>
        <translation>Send once</translation>
    </message>
    <message>
        <source>循环发送</source>
        <translation>Send in a loop</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>勾选的中控数量不为1</source>
        <translation>Tick exactly one row</translation>
    </message>
    <message>
        <source>请先勾选中控</source>
        <translation>Tick a row first</translation>
    </message>
    <message>
        <source>请先选择中控</source>
        <translation>Select a controller first</translation>
    </message>
</context>
<context>
    <name>MoreCmdDlg</name>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>数据类型</source>
        <translation>Data Type</translation>
    </message>
    <message>
        <source>发送后间隔</source>
        <translation>Delay After</translation>
    </message>
    <message>
        <source>发送前间隔</source>
        <translation>Delay Before</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User Name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>连接超时</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>重连次数</source>
        <translation>Reconnects</translation>
    </message>
    <message>
        <source>索引</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Http地址</source>
        <translation>HTTP URL</translation>
    </message>
    <message>
        <source>Http请求方式</source>
        <translation>HTTP Method</translation>
    </message>
    <message>
        <source>Http请求头</source>
        <translation>HTTP Content Type</translation>
    </message>
    <message>
        <source>发送前间隔ms</source>
        <translation>Delay before (ms)</translation>
    </message>
    <message>
        <source>发送后间隔ms</source>
        <translation>Delay after (ms)</translation>
    </message>
    <message>
        <source>连接超时(ms)</source>
        <translation>Connect timeout (ms)</translation>
    </message>
    <message>
        <source>重连次数(0~5)</source>
        <translation>Reconnects (0~5)</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
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
        <source>更新</source>
        <translation>Update</translation>
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
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>输入IP不正确，请输入正确的IP地址</source>
        <translation>Invalid IP address, please enter a correct one</translation>
    </message>
    <message>
        <source>端口必须在1-65535之间</source>
        <translation>The port must be between 1 and 65535</translation>
    </message>
    <message>
        <source>数据不存在,请检查索引是否正确！</source>
        <translation>No such row, please check the index!</translation>
    </message>
    <message>
        <source>未选中数据</source>
        <translation>No row selected</translation>
    </message>
    <message>
        <source>出现错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无法移动：未选中数据</source>
        <translation>Cannot move: no row selected</translation>
    </message>
    <message>
        <source>无法移动：表格没有数据</source>
        <translation>Cannot move: the table is empty</translation>
    </message>
</context>
<context>
    <name>MouseKeyDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>All</translation>
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
    <message>
        <source>文件名为空</source>
        <translation>The file name is empty</translation>
    </message>
    <message>
        <source>页面名称无效</source>
        <translation>Invalid page name</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Name already exists</translation>
    </message>
</context>
<context>
    <name>NewProjectDlg</name>
    <message>
        <source>项目名称：</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>浏览目录</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>项目路径：</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>默认模板</source>
        <translation>Default template</translation>
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
        <source>项目名称不能为空</source>
        <translation>The project name cannot be empty</translation>
    </message>
    <message>
        <source>项目名称不能是“.”或“..”，也不能包含“/”或“\”</source>
        <translation>The project name cannot be "." or "..", nor contain "/" or "\"</translation>
    </message>
    <message>
        <source>项目路径不能为空</source>
        <translation>The location cannot be empty</translation>
    </message>
    <message>
        <source>打开目录</source>
        <translation>Choose folder</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>(内容过长，只显示了前 %1 个字符)</source>
        <translation>(too long: only the first %1 characters are shown)</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>PackageReceiver</name>
    <message>
        <source>写入文件%1失败!</source>
        <translation>Cannot write the file %1!</translation>
    </message>
    <message>
        <source>写入%1文件失败!</source>
        <translation>Cannot write %1!</translation>
    </message>
    <message>
        <source>数据包不完整</source>
        <translation>The package is incomplete</translation>
    </message>
    <message>
        <source>数据包大小超出限制</source>
        <translation>The package is larger than allowed</translation>
    </message>
    <message>
        <source>文件错误, 数据文件数量不对</source>
        <translation>File error: wrong number of data files</translation>
    </message>
    <message>
        <source>文件记录超出数据包范围</source>
        <translation>A file record reaches past the end of the package</translation>
    </message>
    <message>
        <source>文件名不安全: %1</source>
        <translation>Unsafe file name: %1</translation>
    </message>
    <message>
        <source>打开写入文件%1失败!</source>
        <translation>Cannot open the file %1 for writing!</translation>
    </message>
    <message>
        <source>打开%1文件失败!</source>
        <translation>Cannot open %1!</translation>
    </message>
    <message>
        <source>创建数据目录失败</source>
        <translation>Cannot create the data folder</translation>
    </message>
    <message>
        <source>创建目录%1失败!</source>
        <translation>Cannot create the folder %1!</translation>
    </message>
    <message>
        <source>替换目标失败: %1</source>
        <translation>Cannot put the received files in place: %1</translation>
    </message>
    <message>
        <source>文件数量超出限制</source>
        <translation>The package holds more files than allowed</translation>
    </message>
    <message>
        <source>文件记录与数据包大小不符</source>
        <translation>The file records do not add up to the package size</translation>
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
    <message>
        <source>显示</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>不自锁</source>
        <translation>Not latching</translation>
    </message>
    <message>
        <source>自锁</source>
        <translation>Latching</translation>
    </message>
    <message>
        <source>推流</source>
        <translation>Stream</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Encode</translation>
    </message>
    <message>
        <source>水平向右</source>
        <translation>Horizontal, rightwards</translation>
    </message>
    <message>
        <source>垂直向下</source>
        <translation>Vertical, downwards</translation>
    </message>
    <message>
        <source>水平向左</source>
        <translation>Horizontal, leftwards</translation>
    </message>
    <message>
        <source>垂直向上</source>
        <translation>Vertical, upwards</translation>
    </message>
    <message>
        <source>组ID</source>
        <translation>Group ID</translation>
    </message>
    <message>
        <source>按键自锁</source>
        <translation>Latching</translation>
    </message>
    <message>
        <source>屏组ID列表</source>
        <translation>Screen group IDs</translation>
    </message>
    <message>
        <source>播放模式</source>
        <translation>Play mode</translation>
    </message>
    <message>
        <source>按下命令参数</source>
        <translation>Press commands</translation>
    </message>
    <message>
        <source>弹起命令参数</source>
        <translation>Release commands</translation>
    </message>
    <message>
        <source>上页按钮背景默认图片</source>
        <translation>Previous button image</translation>
    </message>
    <message>
        <source>下页按钮背景默认图片</source>
        <translation>Next button image</translation>
    </message>
    <message>
        <source>上页按钮背景激活图片</source>
        <translation>Previous button active image</translation>
    </message>
    <message>
        <source>下页按钮背景激活图片</source>
        <translation>Next button active image</translation>
    </message>
    <message>
        <source>翻页按钮高度</source>
        <translation>Page button height</translation>
    </message>
    <message>
        <source>隐藏翻页按钮</source>
        <translation>Page buttons</translation>
    </message>
    <message>
        <source>布局方向</source>
        <translation>Layout direction</translation>
    </message>
    <message>
        <source>显示数量</source>
        <translation>Items shown</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>间隔</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>显示值宽度</source>
        <translation>Value label width</translation>
    </message>
    <message>
        <source>显示值高度</source>
        <translation>Value label height</translation>
    </message>
    <message>
        <source>始终显示当前值</source>
        <translation>Always show value</translation>
    </message>
    <message>
        <source>滑道左边距</source>
        <translation>Groove left margin</translation>
    </message>
    <message>
        <source>滑道上边距</source>
        <translation>Groove top margin</translation>
    </message>
    <message>
        <source>滑道右边距</source>
        <translation>Groove right margin</translation>
    </message>
    <message>
        <source>滑道下边距</source>
        <translation>Groove bottom margin</translation>
    </message>
    <message>
        <source>滑块大小宽</source>
        <translation>Thumb width</translation>
    </message>
    <message>
        <source>滑块大小高</source>
        <translation>Thumb height</translation>
    </message>
    <message>
        <source>滑块按下宽</source>
        <translation>Pressed thumb width</translation>
    </message>
    <message>
        <source>滑块按下高</source>
        <translation>Pressed thumb height</translation>
    </message>
    <message>
        <source>滑道默认图片</source>
        <translation>Groove image</translation>
    </message>
    <message>
        <source>滑道激活图片</source>
        <translation>Active groove image</translation>
    </message>
    <message>
        <source>滑块默认图片</source>
        <translation>Thumb image</translation>
    </message>
    <message>
        <source>滑块激活图片</source>
        <translation>Active thumb image</translation>
    </message>
    <message>
        <source>正常文本</source>
        <translation>Normal text</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>文字正常颜色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>背景正常颜色</source>
        <translation>Track color</translation>
    </message>
    <message>
        <source>滑块正常颜色</source>
        <translation>Knob color</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>滑块激活颜色</source>
        <translation>Active knob color</translation>
    </message>
    <message>
        <source>开启文本</source>
        <translation>On text</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭文本</source>
        <translation>Off text</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>静音文本</source>
        <translation>Mute text</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>音视频</source>
        <translation>Audio &amp; Video</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>视频模式</source>
        <translation>Video mode</translation>
    </message>
    <message>
        <source>开/关</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>不带边框</source>
        <translation>Without frame</translation>
    </message>
    <message>
        <source>带边框</source>
        <translation>With frame</translation>
    </message>
    <message>
        <source>不带百分比</source>
        <translation>Without percentage</translation>
    </message>
    <message>
        <source>带百分比</source>
        <translation>With percentage</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Encoder</translation>
    </message>
    <message>
        <source>解码器</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>固定IP编码器</source>
        <translation>Fixed-IP encoder</translation>
    </message>
    <message>
        <source>固定IP解码器</source>
        <translation>Fixed-IP decoder</translation>
    </message>
    <message>
        <source>是否边框</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>百分比</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>音量最大值</source>
        <translation>Volume maximum</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>音频块颜色</source>
        <translation>Level block color</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>Frame color</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>固定ip</source>
        <translation>Fixed IP</translation>
    </message>
    <message>
        <source>标题大小</source>
        <translation>Title size</translation>
    </message>
    <message>
        <source>表头大小</source>
        <translation>Header size</translation>
    </message>
    <message>
        <source>按纽大小</source>
        <translation>Button font size</translation>
    </message>
    <message>
        <source>按纽文本</source>
        <translation>Button text</translation>
    </message>
    <message>
        <source>表头角字体颜色</source>
        <translation>Corner font color</translation>
    </message>
    <message>
        <source>表头角背景</source>
        <translation>Corner background</translation>
    </message>
    <message>
        <source>标题字体颜色</source>
        <translation>Title font color</translation>
    </message>
    <message>
        <source>标题正常背景</source>
        <translation>Title background</translation>
    </message>
    <message>
        <source>按纽字体颜色</source>
        <translation>Button font color</translation>
    </message>
    <message>
        <source>按纽正常背景</source>
        <translation>Button background</translation>
    </message>
    <message>
        <source>按纽按下背景</source>
        <translation>Button pressed background</translation>
    </message>
    <message>
        <source>按纽按下颜色</source>
        <translation>Button pressed color</translation>
    </message>
    <message>
        <source>音频开关</source>
        <translation>Audio switch</translation>
    </message>
    <message>
        <source>音频静音按钮</source>
        <translation>Audio mute button</translation>
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
        <source>音频切换按钮</source>
        <translation>Audio switch button</translation>
    </message>
    <message>
        <source>音频音柱控件</source>
        <translation>Audio VU meter</translation>
    </message>
    <message>
        <source>音频矩阵控件</source>
        <translation>Audio matrix</translation>
    </message>
    <message>
        <source>一键开窗按钮</source>
        <translation>One-key window button</translation>
    </message>
    <message>
        <source>清屏按钮</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>关闭所有窗口</source>
        <translation>Close all windows</translation>
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
        <source>启用布局</source>
        <translation>Apply Layout</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>置底</source>
        <translation>To Bottom</translation>
    </message>
    <message>
        <source>置顶</source>
        <translation>To Top</translation>
    </message>
    <message>
        <source>置顶置底按钮</source>
        <translation>Top/bottom button</translation>
    </message>
    <message>
        <source>操作类型</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>清屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>清除所有屏</source>
        <translation>Clear all screens</translation>
    </message>
    <message>
        <source>打开页面</source>
        <translation>Open page</translation>
    </message>
    <message>
        <source>打开弹窗</source>
        <translation>Open pop-up</translation>
    </message>
    <message>
        <source>环境控制</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>功能类型</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>跳转</source>
        <translation>Go to page</translation>
    </message>
    <message>
        <source>是否认证</source>
        <translation>Password check</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>环境页面</source>
        <translation>Environment page</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>Web address</translation>
    </message>
    <message>
        <source>win程序</source>
        <translation>Windows program</translation>
    </message>
    <message>
        <source>安卓程序</source>
        <translation>Android program</translation>
    </message>
    <message>
        <source>命令按钮</source>
        <translation>Command Button</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ppt</source>
        <translation>ppt</translation>
    </message>
    <message>
        <source>refreshList</source>
        <translation>refreshList</translation>
    </message>
    <message>
        <source>关联控件</source>
        <translation>Related control</translation>
    </message>
    <message>
        <source>关联类型</source>
        <translation>Relation type</translation>
    </message>
    <message>
        <source>关联方法</source>
        <translation>Related method</translation>
    </message>
    <message>
        <source>开启命令参数</source>
        <translation>On commands</translation>
    </message>
    <message>
        <source>关闭命令参数</source>
        <translation>Off commands</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>固定模式</source>
        <translation>Fixed mode</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>缩小倍数</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>命令模式</source>
        <translation>Command mode</translation>
    </message>
    <message>
        <source>命令参数</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>跳转按钮</source>
        <translation>Page button</translation>
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
        <source>命令进度</source>
        <translation>Command slider</translation>
    </message>
    <message>
        <source>关联命令</source>
        <translation>Linked command</translation>
    </message>
    <message>
        <source>按钮居左</source>
        <translation>Button on the left</translation>
    </message>
    <message>
        <source>按钮居右</source>
        <translation>Button on the right</translation>
    </message>
    <message>
        <source>预览按钮</source>
        <translation>Preview button</translation>
    </message>
    <message>
        <source>按钮文字默认颜色</source>
        <translation>Button text color</translation>
    </message>
    <message>
        <source>按钮背景默认颜色</source>
        <translation>Button background color</translation>
    </message>
    <message>
        <source>按钮背景默认图片</source>
        <translation>Button background image</translation>
    </message>
    <message>
        <source>按钮文字激活颜色</source>
        <translation>Button active text color</translation>
    </message>
    <message>
        <source>按钮背景激活颜色</source>
        <translation>Button active background color</translation>
    </message>
    <message>
        <source>按钮背景激活图片</source>
        <translation>Button active background image</translation>
    </message>
    <message>
        <source>按钮位置</source>
        <translation>Button position</translation>
    </message>
    <message>
        <source>按钮文本</source>
        <translation>Button text</translation>
    </message>
    <message>
        <source>按钮宽度</source>
        <translation>Button width</translation>
    </message>
    <message>
        <source>ref</source>
        <translation>ref</translation>
    </message>
    <message>
        <source>音频URL</source>
        <translation>Audio URL</translation>
    </message>
    <message>
        <source>背景控件</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>时间控件</source>
        <translation>Time</translation>
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
        <source>场景背景默认颜色</source>
        <translation>Scene background color</translation>
    </message>
    <message>
        <source>场景区域</source>
        <translation>Scene area</translation>
    </message>
    <message>
        <source>场景背景默认图片</source>
        <translation>Scene background image</translation>
    </message>
    <message>
        <source>场景文字默认颜色</source>
        <translation>Scene text color</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>预览区域</source>
        <translation>Preview area</translation>
    </message>
    <message>
        <source>播放按钮文字默认颜色</source>
        <translation>Item text color</translation>
    </message>
    <message>
        <source>播放按钮背景默认颜色</source>
        <translation>Item background color</translation>
    </message>
    <message>
        <source>播放按钮背景默认图片</source>
        <translation>Item background image</translation>
    </message>
    <message>
        <source>播放按钮文字激活颜色</source>
        <translation>Item active text color</translation>
    </message>
    <message>
        <source>播放按钮背景激活颜色</source>
        <translation>Item active background color</translation>
    </message>
    <message>
        <source>播放按钮背景激活图片</source>
        <translation>Item active background image</translation>
    </message>
    <message>
        <source>刷新按钮文字默认颜色</source>
        <translation>Refresh button text color</translation>
    </message>
    <message>
        <source>刷新按钮背景默认颜色</source>
        <translation>Refresh button background color</translation>
    </message>
    <message>
        <source>刷新按钮背景默认图片</source>
        <translation>Refresh button image</translation>
    </message>
    <message>
        <source>刷新按钮背景激活图片</source>
        <translation>Refresh button active image</translation>
    </message>
    <message>
        <source>切换信源</source>
        <translation>Switch source</translation>
    </message>
    <message>
        <source>主码流</source>
        <translation>Main Stream</translation>
    </message>
    <message>
        <source>子码流</source>
        <translation>Sub-stream</translation>
    </message>
    <message>
        <source>视频流</source>
        <translation>Video stream</translation>
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
        <source>播放按钮组</source>
        <translation>Play buttons</translation>
    </message>
    <message>
        <source>PPT页数</source>
        <translation>PPT pages</translation>
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
        <source>矩阵区域</source>
        <translation>Matrix Area</translation>
    </message>
    <message>
        <source>正常数值</source>
        <translation>Off value</translation>
    </message>
    <message>
        <source>激活数值</source>
        <translation>On value</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation>Matrix button</translation>
    </message>
    <message>
        <source>矩阵ID</source>
        <translation>Matrix ID</translation>
    </message>
    <message>
        <source>矩阵按钮类型</source>
        <translation>Matrix button role</translation>
    </message>
    <message>
        <source>索引</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation>Matrix paging</translation>
    </message>
    <message>
        <source>翻页方向</source>
        <translation>Page direction</translation>
    </message>
    <message>
        <source>矩阵显示数量</source>
        <translation>Matrix windows shown</translation>
    </message>
    <message>
        <source>行数</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>网格设置</source>
        <translation>Grid settings</translation>
    </message>
    <message>
        <source>网格布局</source>
        <translation>Grid layout</translation>
    </message>
    <message>
        <source>正常模式</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>预布局模式</source>
        <translation>Preset Layout Mode</translation>
    </message>
    <message>
        <source>预布局切换按钮</source>
        <translation>Preset layout switch</translation>
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
        <source>布局模式按钮</source>
        <translation>Layout mode button</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
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
        <source>左移</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右移</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>存储预置位</source>
        <translation>Store preset</translation>
    </message>
    <message>
        <source>调用预置位</source>
        <translation>Recall preset</translation>
    </message>
    <message>
        <source>ptz命令</source>
        <translation>PTZ command</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>预制点</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>向上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>向下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>next</source>
        <translation>next</translation>
    </message>
    <message>
        <source>功能按钮</source>
        <translation>Function button</translation>
    </message>
    <message>
        <source>按下文本</source>
        <translation>Pressed text</translation>
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
        <source>Kvm接管</source>
        <translation>KVM takeover</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>回到首页</source>
        <translation>Go home</translation>
    </message>
    <message>
        <source>设置窗口</source>
        <translation>Window settings</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Window to top</translation>
    </message>
    <message>
        <source>窗口置底</source>
        <translation>Window to bottom</translation>
    </message>
    <message>
        <source>滚动字幕</source>
        <translation>Scrolling text</translation>
    </message>
    <message>
        <source>设置底图</source>
        <translation>Set base picture</translation>
    </message>
    <message>
        <source>KVM接管</source>
        <translation>KVM takeover</translation>
    </message>
    <message>
        <source>组清屏</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <source>一键开窗</source>
        <translation>Open All Windows</translation>
    </message>
    <message>
        <source>所有布局</source>
        <translation>All layouts</translation>
    </message>
    <message>
        <source>文件翻页向上</source>
        <translation>File page up</translation>
    </message>
    <message>
        <source>文件翻页向下</source>
        <translation>File page down</translation>
    </message>
    <message>
        <source>KVM信源</source>
        <translation>KVM source</translation>
    </message>
    <message>
        <source>启用预布局</source>
        <translation>Apply preset layout</translation>
    </message>
    <message>
        <source>保存预布局</source>
        <translation>Save preset layout</translation>
    </message>
    <message>
        <source>信号裁剪</source>
        <translation>Signal cropping</translation>
    </message>
    <message>
        <source>条幅</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>KVM标注</source>
        <translation>KVM marks</translation>
    </message>
    <message>
        <source>PPT暂停播放</source>
        <translation>PPT pause</translation>
    </message>
    <message>
        <source>PPT自动播放</source>
        <translation>PPT autoplay</translation>
    </message>
    <message>
        <source>PPT回首页</source>
        <translation>PPT first page</translation>
    </message>
    <message>
        <source>PPT播放设置</source>
        <translation>PPT playback settings</translation>
    </message>
    <message>
        <source>PPT自动切换</source>
        <translation>PPT auto advance</translation>
    </message>
    <message>
        <source>PPT暂停自动切换</source>
        <translation>PPT stop auto advance</translation>
    </message>
    <message>
        <source>音视频模式</source>
        <translation>Audio/video mode</translation>
    </message>
    <message>
        <source>窗口自由</source>
        <translation>Free windows</translation>
    </message>
    <message>
        <source>窗口停靠</source>
        <translation>Dock windows</translation>
    </message>
    <message>
        <source>窗口叠加</source>
        <translation>Overlay windows</translation>
    </message>
    <message>
        <source>窗口替换</source>
        <translation>Replace window</translation>
    </message>
    <message>
        <source>窗口KVM模式</source>
        <translation>Window KVM mode</translation>
    </message>
    <message>
        <source>窗口正常模式</source>
        <translation>Window normal mode</translation>
    </message>
    <message>
        <source>窗口冻结</source>
        <translation>Freeze window</translation>
    </message>
    <message>
        <source>窗口非冻结</source>
        <translation>Unfreeze window</translation>
    </message>
    <message>
        <source>屏蔽模式</source>
        <translation>Masked mode</translation>
    </message>
    <message>
        <source>非屏蔽模式</source>
        <translation>Unmasked mode</translation>
    </message>
    <message>
        <source>省电模式</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>非省电模式</source>
        <translation>No power saving</translation>
    </message>
    <message>
        <source>非预布局模式</source>
        <translation>No preset layout</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit program</translation>
    </message>
    <message>
        <source>键盘按钮</source>
        <translation>Keyboard button</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>锁屏</source>
        <translation>Lock screen</translation>
    </message>
    <message>
        <source>H323SIP</source>
        <translation>H323SIP</translation>
    </message>
    <message>
        <source>会议</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>会议厂商</source>
        <translation>Meeting vendor</translation>
    </message>
    <message>
        <source>终端ip</source>
        <translation>Terminal IP</translation>
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
        <source>自锁功能按钮</source>
        <translation>Latching function button</translation>
    </message>
    <message>
        <source>会议按纽</source>
        <translation>Meeting button</translation>
    </message>
    <message>
        <source>不显示</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>窗口透明度</source>
        <translation>Window opacity</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>标题字体大小</source>
        <translation>Title font size</translation>
    </message>
    <message>
        <source>标题显示</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>标题字体加粗</source>
        <translation>Bold title</translation>
    </message>
    <message>
        <source>标签字体大小</source>
        <translation>Label font size</translation>
    </message>
    <message>
        <source>标签显示</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>窗口背景颜色</source>
        <translation>Window background color</translation>
    </message>
    <message>
        <source>标签字体颜色</source>
        <translation>Label font color</translation>
    </message>
    <message>
        <source>复选框字体颜色</source>
        <translation>Check box font color</translation>
    </message>
    <message>
        <source>按纽激活背景</source>
        <translation>Button hover background</translation>
    </message>
    <message>
        <source>1x3</source>
        <translation>1x3</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2x2</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3x3</translation>
    </message>
    <message>
        <source>行列数</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>场所1背景</source>
        <translation>Place 1 background</translation>
    </message>
    <message>
        <source>场所2背景</source>
        <translation>Place 2 background</translation>
    </message>
    <message>
        <source>场所3背景</source>
        <translation>Place 3 background</translation>
    </message>
    <message>
        <source>场所4背景</source>
        <translation>Place 4 background</translation>
    </message>
    <message>
        <source>场所5背景</source>
        <translation>Place 5 background</translation>
    </message>
    <message>
        <source>场所6背景</source>
        <translation>Place 6 background</translation>
    </message>
    <message>
        <source>场所7背景</source>
        <translation>Place 7 background</translation>
    </message>
    <message>
        <source>场所8背景</source>
        <translation>Place 8 background</translation>
    </message>
    <message>
        <source>场所9背景</source>
        <translation>Place 9 background</translation>
    </message>
    <message>
        <source>场所10背景</source>
        <translation>Place 10 background</translation>
    </message>
    <message>
        <source>登录控件</source>
        <translation>Login form</translation>
    </message>
    <message>
        <source>场所列表</source>
        <translation>Place list</translation>
    </message>
    <message>
        <source>url</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>拼接屏</source>
        <translation>Video wall</translation>
    </message>
    <message>
        <source>矩阵</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>屏组按钮文字默认颜色</source>
        <translation>Group button text color</translation>
    </message>
    <message>
        <source>屏组按钮背景默认颜色</source>
        <translation>Group button background color</translation>
    </message>
    <message>
        <source>屏组按钮背景默认图片</source>
        <translation>Group button image</translation>
    </message>
    <message>
        <source>屏组按钮文字激活颜色</source>
        <translation>Group button active text color</translation>
    </message>
    <message>
        <source>屏组按钮背景激活颜色</source>
        <translation>Group button active background color</translation>
    </message>
    <message>
        <source>屏组按钮背景激活图片</source>
        <translation>Group button active image</translation>
    </message>
    <message>
        <source>视频控件</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>大屏区域</source>
        <translation>Video wall area</translation>
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation>Screen group buttons</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>QRuner</name>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>在下面输入你所要运行的程序:</source>
        <translation>Type the program you want to run:</translation>
    </message>
    <message>
        <source>打开：</source>
        <translation>Open:</translation>
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
        <source>无法运行程序</source>
        <translation>Could not start the program</translation>
    </message>
</context>
<context>
    <name>ReplaceCmdDlg</name>
    <message>
        <source>查找命令IP</source>
        <translation>Find command IP</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>替换命令IP</source>
        <translation>New command IP</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>连接超时(ms)</source>
        <translation>Connect timeout (ms)</translation>
    </message>
    <message>
        <source>发送前间隔(ms)</source>
        <translation>Delay before (ms)</translation>
    </message>
    <message>
        <source>发送后间隔(ms)</source>
        <translation>Delay after (ms)</translation>
    </message>
    <message>
        <source>重连次数(0~5)</source>
        <translation>Reconnects (0~5)</translation>
    </message>
    <message>
        <source>命令IP替换</source>
        <translation>Replace command IP</translation>
    </message>
    <message>
        <source>是否查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>是否替换</source>
        <translation>Replace</translation>
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
        <source>查找IP为空</source>
        <translation>The IP to find is empty</translation>
    </message>
    <message>
        <source>查找端口为空</source>
        <translation>The port to find is empty</translation>
    </message>
    <message>
        <source>查找端口必须在1-65535之间</source>
        <translation>The port to find must be between 1 and 65535</translation>
    </message>
    <message>
        <source>替换的IP为空</source>
        <translation>The new IP is empty</translation>
    </message>
    <message>
        <source>新的IP不是有效的IP地址</source>
        <translation>The new IP is not a valid IP address</translation>
    </message>
    <message>
        <source>替换的端口为空</source>
        <translation>The new port is empty</translation>
    </message>
    <message>
        <source>替换的端口必须在1-65535之间</source>
        <translation>The new port must be between 1 and 65535</translation>
    </message>
    <message>
        <source>替换的连接超时为空</source>
        <translation>The new connect timeout is empty</translation>
    </message>
    <message>
        <source>替换的发送前间隔为空</source>
        <translation>The new delay before sending is empty</translation>
    </message>
    <message>
        <source>替换的发送后间隔为空</source>
        <translation>The new delay after sending is empty</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
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
<context>
    <name>UploadServer</name>
    <message>
        <source>文件不存在</source>
        <translation>File does not exist</translation>
    </message>
    <message>
        <source>打开文件失败</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>文件打包错误！</source>
        <translation>Packing the files failed!</translation>
    </message>
    <message>
        <source>连接失败！</source>
        <translation>Connection failed!</translation>
    </message>
    <message>
        <source>连接成功！</source>
        <translation>Connected!</translation>
    </message>
    <message>
        <source>发送成功！</source>
        <translation>Sent!</translation>
    </message>
    <message>
        <source>发送错误！</source>
        <translation>Sending failed!</translation>
    </message>
    <message>
        <source>等待发送超时</source>
        <translation>Timed out waiting to send</translation>
    </message>
    <message>
        <source>文件名过长: %1 (最多%2字节)</source>
        <translation>Name too long: %1 (at most %2 bytes)</translation>
    </message>
    <message>
        <source>跳过非普通文件: %1</source>
        <translation>Skipped, not a regular file: %1</translation>
    </message>
    <message>
        <source>数据包超出2GB限制: %1</source>
        <translation>The package would pass the 2 GB limit at %1</translation>
    </message>
    <message>
        <source>读取文件失败: %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>写入数据包失败: %1</source>
        <translation>Cannot write the package %1</translation>
    </message>
    <message>
        <source>文件数量超出限制</source>
        <translation>The package holds more files than allowed</translation>
    </message>
    <message>
        <source>文件名不安全: %1</source>
        <translation>Unsafe file name: %1</translation>
    </message>
    <message>
        <source>另有%1个非普通文件被跳过</source>
        <translation>%1 more entries that are not regular files were skipped</translation>
    </message>
    <message>
        <source>读取目录失败: %1 (%2)</source>
        <translation>Cannot read the folder %1 (%2)</translation>
    </message>
    <message>
        <source>读取文件信息失败: %1 (%2)</source>
        <translation>Cannot look at %1 (%2)</translation>
    </message>
    <message>
        <source>跳过隐藏文件: %1</source>
        <translation>Skipped, hidden: %1</translation>
    </message>
    <message>
        <source>另有%1个隐藏文件被跳过</source>
        <translation>%1 more hidden entries were skipped</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>文件不存在: %1</source>
        <translation>File does not exist: %1</translation>
    </message>
    <message>
        <source>读取文件失败: %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>不是普通文件，未读取: %1</source>
        <translation>Not a regular file, not read: %1</translation>
    </message>
    <message>
        <source>文件大于%1MB，未读取: %2</source>
        <translation>The file is larger than %1 MB, not read: %2</translation>
    </message>
</context>
<context>
    <name>unsavedclose</name>
    <message>
        <source>open file fail: </source>
        <translation>Cannot open file: </translation>
    </message>
    <message>
        <source>是否不保存直接关闭?</source>
        <translation>Close without saving?</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
</TS>