<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ChangePageSizeDg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>高：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽度必须在160--15360,高度必须在64-8640之间</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CmdProtocol</name>
    <message>
        <source>udp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tcp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>http</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>telnet</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ssh</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CodeEditorDlg</name>
    <message>
        <source>代码编辑</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>读取文件失败，文件保持不变: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>脚本含有空字符(NUL)，以只读方式打开，文件保持不变: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>脚本不是有效的UTF-8文本，以只读方式打开，文件保持不变: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>脚本无法写入，以只读方式打开，文件保持不变: </source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ControlFrame</name>
    <message>
        <source>页面控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文本控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源搜索</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>当前音频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>大屏区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>一键开窗按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置顶置底按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>停止轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OSD</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>底图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存场景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>首页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开网址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑动自锁命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑动命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT页数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分屏模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频开关</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源分组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频流协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>摄像头控制按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件翻页控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放进度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kvm接管</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音柱</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议按纽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>DataDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>DataManager</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>下载管理</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>本地IP: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>传输信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开服务</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>初始化配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传管理</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>远程IP: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入IP不正确，请输入正确的IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目地址为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>停止上传</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭服务</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>listen to %1 success. waiting for uploading</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>来自%1的连接</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传成功 !</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传失败 !</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在上传，是否停止上传?</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>DataServer</name>
    <message>
        <source>写入数据文件成功: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除目录%1失败!</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExAudioMatrixWidget</name>
    <message>
        <source>3.5mm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDMI</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AES67</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频输出%1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频输入%1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExListBuilder</name>
    <message>
        <source>上一页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下一页</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExLoginWidget</name>
    <message>
        <source>登录</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>记住密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>通信ip</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>语言</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>欢迎登录分布式系统</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入密码</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExPageHost</name>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExPlaceWidget</name>
    <message>
        <source>场所-%1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExPopPageWidgetFrame</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
</context>
<context>
    <name>ExSceneListFrame</name>
    <message>
        <source>场景</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExSrcGroupListWidget</name>
    <message>
        <source>信号列表</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ExTableCornerWidget</name>
    <message>
        <source>输入</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FeedBackFormDlg</name>
    <message>
        <source>中控(UUID)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控命令(UUID)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反馈函数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>函数输入参数(多个参数用逗号(,)隔开)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入参数类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反馈类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反馈数据测试</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Integer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>String</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置状态</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>输入对应的中控参数和函数名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查看中控</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>测试</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FileNameCheck</name>
    <message>
        <source>文件名不是有效的UTF-8文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不能包含控制字符</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名过长：“%1”有%2字节，多了%3字节（最多%4字节）</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不能包含“:”、“\”或“/”</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不能为空，也不能是“.”或“..”</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不能以“.”开头：这样的隐藏文件不会上传</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>该位置是设备、管道、套接字或文件夹，不是普通文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>该位置是指向不存在文件的链接</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>没有写入权限</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件将有%1字节，大于设计器能读取的%2MB，未保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所在的文件夹不存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>无法读取源文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>写入失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>写入失败: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存文件失败: </source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件解析错误</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件格式不对</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件中有无效的页面文件名，已忽略</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>open file fail: </source>
        <translation>打开文件失败: </translation>
    </message>
    <message>
        <source>页面名称无效</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称已存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>页面文件重命名失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>未选中项目!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复制页面失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>导入失败，页面名称已存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>import json file failed,json format invalid</source>
        <translation>导入 JSON 文件失败，JSON 格式无效</translation>
    </message>
    <message>
        <source>检测到配置已修改，是否保存修改在关闭?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除页面文件失败：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件不存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>有页面未能保存，项目保持打开</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控文件无法解析，中控将以只读方式打开，文件保持不变：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控文件中有不完整的中控或指令，中控将以只读方式打开，文件保持不变：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控将以只读方式打开，文件保持不变</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控文件无法写入，中控将以只读方式打开，文件保持不变：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>该文件读取时被拒绝，不会被覆盖</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件夹不存在: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>语言设置保存失败: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下次启动时仍使用原来的语言</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>GridManagerDlg</name>
    <message>
        <source>ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>行</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>列</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>总宽度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>总高度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>左边</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上边</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>高度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布局管理</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有网格</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网格配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自定义布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>单元格拆分</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>添加区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>拆分</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置标注</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除标注</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>总宽度、总高度必须是2的倍数，请重新调整</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布局模板文件保存失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定删除吗?</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>GridSettingDlg</name>
    <message>
        <source>网格模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标准</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>非标</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>划分方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>整屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>单屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>行数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>列数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>总宽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>总高</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>网格参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网格布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>GridVirWall</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>满足以下条件才允许拆分:<byte value="xd" />
拆分高度*(行数-1) &lt;总高度 ,<byte value="xd" />
拆分宽度*(列数-1) &lt;总宽度 ，<byte value="xd" />
请重新调整</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ImgDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>图片资源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>导入</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>刷新</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件不存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件大于300MB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不是图片文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>同名图片已存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复制失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>以下图片未导入：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除图片失败：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目目录中的同名文件是链接，不会写入</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>InfoDlg</name>
    <message>
        <source>操作说明</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>InitDataWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>进入系统</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>简体中文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>繁體中文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>InitDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>JsManager</name>
    <message>
        <source>func_name: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> data: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> return </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>can not find function name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>interrupted: the script ran longer than %1 seconds</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uncaught exception at line </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>other result</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>interrupted: the script ran out of memory</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>interrupted: the script runner ended abnormally</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>KivToolStringAssistant</name>
    <message>
        <source>字符串工具</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入格式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出格式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>生成数据</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>项目视图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>页面控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>属性框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭项目</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开配置文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新建</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>撤销</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重做</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>粘贴</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复制命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>粘贴命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令IP替换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反馈</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>事件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>函数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上传</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>字符串助手</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>左对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>右对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直居中对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平居中对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直分散对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平分散对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>适配对齐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直居中</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平居中</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置顶</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置底</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>未锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>互锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>格式刷</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编辑</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>工具</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请选中控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否保存?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>另存为</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>导入素材</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>剪切</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>日期</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>控件视图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下载</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>字体</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>操作说明</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关于</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>更新</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音乐</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>运行</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>简体中文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>繁體中文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查看</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>语言</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建项目</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建项目目录失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>检测该目录下已存在项目，是否直接打开?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认模板文件不存在！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建默认文件失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>该位置是指向文件夹的链接</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>目录“%1”中已有文件，使用模板创建将删除其中的全部文件，是否继续?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置字体失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请先打开或者创建工程</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MidCtrFormDlg</name>
    <message>
        <source>UUID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>udp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tcp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ip不能为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控名称不能为空</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MidCtrlCmdFormDlg</name>
    <message>
        <source>UUID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>间隔时间(ms)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>只发一次</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>循环发送</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据不能为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中控名称不能为空</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MidCtrlDlg</name>
    <message>
        <source>添加中控</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除中控</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>修改中控</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>添加指令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除指令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>修改指令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>间隔时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>只发一次</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>循环发送</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>勾选的中控数量不为1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请先勾选中控</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请先选择中控</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MoreCmdDlg</name>
    <message>
        <source>协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送后间隔</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送前间隔</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>连接超时</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重连次数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>索引</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Http地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Http请求方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Http请求头</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送前间隔ms</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送后间隔ms</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>连接超时(ms)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重连次数(0~5)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>插入</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>修改</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HEX</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ASCII</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>更新</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入IP不正确，请输入正确的IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>端口必须在1-65535之间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据不存在,请检查索引是否正确！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>未选中数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>出现错误</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>无法移动：未选中数据</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>无法移动：表格没有数据</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MouseKeyDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>添加</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>NewFileDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>文件名：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>高：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>页面名称无效</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称已存在</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>NewProjectDlg</name>
    <message>
        <source>项目名称：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>浏览目录</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目路径：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认模板</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目名称不能为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目名称不能是“.”或“..”，也不能包含“/”或“\”</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目路径不能为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开目录</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>(内容过长，只显示了前 %1 个字符)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PackageReceiver</name>
    <message>
        <source>写入文件%1失败!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>写入%1文件失败!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据包不完整</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据包大小超出限制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件错误, 数据文件数量不对</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件记录超出数据包范围</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不安全: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开写入文件%1失败!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开%1文件失败!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建数据目录失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建目录%1失败!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换目标失败: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件数量超出限制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件记录与数据包大小不符</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PageDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>PropertyWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>控件类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>控件名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>通用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常样式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>激活样式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>属性</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>事件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启样式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭样式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不加粗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>加粗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>居中</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>居上</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>居下</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>居左</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>居右</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>x坐标</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>y坐标</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>高</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>字体大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>圆角</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>字体加粗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字方向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字位置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字占比</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景占比</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>激活文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反馈</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文本控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>弹窗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>页面类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>固定位置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>主页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>控件页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置背景色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自定义</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>显示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>隐藏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不自锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>推流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平向右</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直向下</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平向左</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直向上</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>组ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键自锁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组ID列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按下命令参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>弹起命令参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上页按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下页按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上页按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下页按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>翻页按钮高度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>隐藏翻页按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布局方向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>显示数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>方向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>最小值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>最大值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>间隔</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>显示值宽度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>显示值高度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>始终显示当前值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道左边距</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道上边距</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道右边距</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道下边距</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块大小宽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块大小高</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块按下宽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块按下高</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑道激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文字正常颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景正常颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块正常颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑块激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>静音文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>静音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音视频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开/关</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不带边框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>带边框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不带百分比</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>带百分比</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编码器</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>解码器</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>固定IP编码器</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>固定IP解码器</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否边框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>百分比</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音量最大值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频块颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>边框颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>固定ip</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>表头大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>表头角字体颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>表头角背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题字体颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题正常背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽字体颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽正常背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽按下背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽按下颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频开关</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频静音按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频切换按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音柱控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频矩阵控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>一键开窗按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清屏按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭所有窗口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>停止轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OSD</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>底图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存场景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>首页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置底</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置顶</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置顶置底按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>操作类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除所有屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开弹窗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>环境控制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>功能类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>跳转</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否认证</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>环境页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>win程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>安卓程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ppt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>refreshList</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联方法</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启命令参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭命令参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>固定模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>单位</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>缩小倍数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>跳转按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开网址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑动自锁命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令进度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮居左</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮居右</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预览按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮文字激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮背景激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮位置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按钮宽度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ref</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频URL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>背景控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源搜索</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>当前音频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全部</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预览</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预览区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮文字激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮背景激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>刷新按钮文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>刷新按钮背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>刷新按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>刷新按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>主码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>子码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT页数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源分组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频流协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常数值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>激活数值</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵按钮类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>索引</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上一页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下一页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>翻页方向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵显示数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>行数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>列数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网格设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网格布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预布局切换按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分屏模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布局模式按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复位</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>左移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>右移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>放大</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>缩小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>存储预置位</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>调用预置位</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ptz命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>速度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预制点</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>向上</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>向下</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按下文本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kvm接管</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>未设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>回到首页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置窗口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口置顶</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口置底</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滚动字幕</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设置底图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>KVM接管</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>组清屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>一键开窗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件翻页向上</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件翻页向下</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>KVM信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用预布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存预布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信号裁剪</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>条幅</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>KVM标注</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT暂停播放</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT自动播放</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT回首页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT播放设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT自动切换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT暂停自动切换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音视频模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口自由</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口停靠</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口叠加</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口替换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口KVM模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口正常模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口冻结</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口非冻结</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏蔽模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>非屏蔽模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>省电模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>非省电模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>非预布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>最小化</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>退出程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>键盘按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>锁屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>H323SIP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议厂商</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>终端ip</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>摄像头控制按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件翻页控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放进度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议按纽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不显示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口透明度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题字体大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题显示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题字体加粗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标签字体大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标签显示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>窗口背景颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标签字体颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复选框字体颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按纽激活背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1x3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2x2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3x3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>行列数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所1背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所2背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所3背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所4背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所5背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所6背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所7背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所8背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所9背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所10背景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>url</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>拼接屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮文字默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮背景默认颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮背景默认图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮文字激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮背景激活颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮背景激活图片</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>大屏区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>关于</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>QRuner</name>
    <message>
        <source>运行</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>在下面输入你所要运行的程序:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开：</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>无法运行程序</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ReplaceCmdDlg</name>
    <message>
        <source>查找命令IP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换命令IP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>连接超时(ms)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送前间隔(ms)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送后间隔(ms)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重连次数(0~5)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令IP替换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否查找</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否替换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查找IP为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查找端口为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查找端口必须在1-65535之间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的IP为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新的IP不是有效的IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的端口为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的端口必须在1-65535之间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的连接超时为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的发送前间隔为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>替换的发送后间隔为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SrcGroupListWidget</name>
    <message>
        <source>关闭项目</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开项目目录</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除窗体</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重命名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件不存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名为空</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新建页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新建登录页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新建场所页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>新建窗体</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>导入页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>调整大小</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建副本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建登录页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建场所页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>创建窗体</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>名称已存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确定删除吗?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>副本名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开页面文件</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SrcListWidget</name>
    <message>
        <source>背景控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文本控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频控件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>当前音频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>大屏区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>屏组按钮组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放按钮组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PPT页数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分屏模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频开关</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源搜索</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源分组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开网址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑动自锁命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>滑动命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>摄像头控制按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>从头播放按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体播放进度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音柱</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议按纽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>StatusBarFrame</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
</context>
<context>
    <name>UIAudioMatrixWidget</name>
    <message>
        <source>3.5mm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDMI</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AES67</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频输出%1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频输入%1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UILoginWidget</name>
    <message>
        <source>用户名:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>通信IP:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请输入通信ip</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>语言:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请选择语言</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>记住密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>欢迎登录分布式系统</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UIPage</name>
    <message>
        <source>文本文件</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>普通按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>一键开窗</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清屏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除所有屏幕</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OSD</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>底图</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存场景</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>首页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分屏模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>所有布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>静音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kvm接管</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录框</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>停止轮询</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>命令按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关联命令</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>按键按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自锁功能按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FF409EFF</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FF606266</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FF6F7A7E</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FF159C77</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FFFFFFFF</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭布局</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>开启</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场所列表</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>搜索</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#FFFFFF</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#133050</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>#0000ff</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>当前音频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>大屏区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>置底</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换页面</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开网址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开程序</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵按钮</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>矩阵翻页</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音视频</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>信源分组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>主码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预布局模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>复位</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>next</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>从头开始</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频音柱</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频矩阵</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>切换</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>open file fail: </source>
        <translation>打开文件失败: </translation>
    </message>
    <message>
        <source>找不到合法的控件</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UIPlaceWidget</name>
    <message>
        <source>场所</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UIPreviewWidget</name>
    <message>
        <source>source_</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UISceneListWidget</name>
    <message>
        <source>scene_</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UIScreenButtonListWidget</name>
    <message>
        <source>wall_</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UITableCornerWidget</name>
    <message>
        <source>输入</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输出</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>UploadServer</name>
    <message>
        <source>文件不存在</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开文件失败</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件打包错误！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>连接失败！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>连接成功！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送成功！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>发送错误！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>等待发送超时</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名过长: %1 (最多%2字节)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>跳过非普通文件: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>数据包超出2GB限制: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>读取文件失败: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>写入数据包失败: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件数量超出限制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件名不安全: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>另有%1个非普通文件被跳过</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>读取目录失败: %1 (%2)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>读取文件信息失败: %1 (%2)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>跳过隐藏文件: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>另有%1个隐藏文件被跳过</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>文件不存在: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>读取文件失败: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不是普通文件，未读取: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>文件大于%1MB，未读取: %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>unsavedclose</name>
    <message>
        <source>open file fail: </source>
        <translation>打开文件失败: </translation>
    </message>
    <message>
        <source>是否不保存直接关闭?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>